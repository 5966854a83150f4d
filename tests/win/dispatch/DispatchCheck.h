#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "src/util/Failure.h"

// The Windows test programs' checks: no test framework is cross-built, so each program counts
// its failed checks and exits with that count.
namespace pwk::wintest {

inline int& Failed() {
    static int failed = 0;
    return failed;
}

inline void Check(bool condition, const char* what, const char* file, int line) {
    if (!condition) {
        std::printf("%s:%d: check failed: %s\n", file, line, what);
        ++Failed();
    }
}

// The number of the Failure `action` raises; -1 when it raises none.
inline int FailureNumber(const std::function<void()>& action, std::string* text = nullptr) {
    try {
        action();
    } catch (const Failure& failure) {
        if (text != nullptr) {
            *text = failure.Description;
        }
        return failure.Number;
    }
    return -1;
}

inline int Finish(const char* program) {
    std::printf("%s: %s\n", program, Failed() == 0 ? "all checks passed" : "FAILED");
    return Failed();
}

}  // namespace pwk::wintest

#define CHECK(condition) ::pwk::wintest::Check((condition), #condition, __FILE__, __LINE__)
