#include "tests/win/support/Check.h"

int main() {
    return pwk::wintest::RunAll();
}
