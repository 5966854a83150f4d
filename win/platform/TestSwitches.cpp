#include "win/platform/TestSwitches.h"

#include <windows.h>

namespace pwk::win {

bool TestSwitchOn(const wchar_t* variable) {
    wchar_t value[4] = {};
    const DWORD length = GetEnvironmentVariableW(variable, value, 4);
    return length == 1 && value[0] == L'1';
}

}  // namespace pwk::win
