#pragma once

#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

// The Windows tests' harness: named cases of CHECKs, each case run on its own, a summary, and
// the number of failed cases as the program's exit status.
namespace pwk::wintest {

struct Case {
    const char* Name;
    std::function<void()> Body;
};

inline std::vector<Case>& Cases() {
    static std::vector<Case> cases;
    return cases;
}

inline int& FailedChecks() {
    static int failed = 0;
    return failed;
}

struct Registrar {
    Registrar(const char* name, std::function<void()> body) {
        Cases().push_back({name, std::move(body)});
    }
};

inline void Fail(const char* file, int line, const std::string& what) {
    std::printf("%s:%d: check failed: %s\n", file, line, what.c_str());
    ++FailedChecks();
}

inline int RunAll() {
    int failedCases = 0;
    for (const Case& c : Cases()) {
        const int before = FailedChecks();
        try {
            c.Body();
        } catch (const std::exception& e) {
            std::printf("%s: unexpected exception: %s\n", c.Name, e.what());
            ++FailedChecks();
        }
        const bool ok = FailedChecks() == before;
        std::printf("[%s] %s\n", ok ? "  OK  " : "FAILED", c.Name);
        failedCases += ok ? 0 : 1;
    }
    std::printf("%zu cases, %d failed\n", Cases().size(), failedCases);
    return failedCases;
}

}  // namespace pwk::wintest

#define PWK_CAT2(a, b) a##b
#define PWK_CAT(a, b) PWK_CAT2(a, b)
#define TEST_CASE(name)                                                                           \
    static void PWK_CAT(testBody, __LINE__)();                                                    \
    static pwk::wintest::Registrar PWK_CAT(testRegistrar, __LINE__)(name,                         \
                                                                    PWK_CAT(testBody, __LINE__)); \
    static void PWK_CAT(testBody, __LINE__)()

#define CHECK(condition)                                        \
    do {                                                        \
        if (!(condition)) {                                     \
            pwk::wintest::Fail(__FILE__, __LINE__, #condition); \
        }                                                       \
    } while (false)

#define CHECK_EQ(actual, expected)                                                                 \
    do {                                                                                           \
        const auto& checkActual = (actual);                                                        \
        const auto& checkExpected = (expected);                                                    \
        if (!(checkActual == checkExpected)) {                                                     \
            pwk::wintest::Fail(                                                                    \
                __FILE__, __LINE__,                                                                \
                std::string(#actual " == " #expected ": got ") + pwk::wintest::Show(checkActual)); \
        }                                                                                          \
    } while (false)

// Checks that `statement` throws a pwk::Failure numbered `number`.
#define CHECK_FAILS(statement, number)                                                 \
    do {                                                                               \
        try {                                                                          \
            statement;                                                                 \
            pwk::wintest::Fail(__FILE__, __LINE__, #statement " did not fail");        \
        } catch (const pwk::Failure& checkFailure) {                                   \
            if (checkFailure.Number != (number)) {                                     \
                pwk::wintest::Fail(                                                    \
                    __FILE__, __LINE__,                                                \
                    #statement " failed with " + std::to_string(checkFailure.Number)); \
            }                                                                          \
        }                                                                              \
    } while (false)

namespace pwk::wintest {
inline std::string Show(const std::string& text) {
    return "\"" + text + "\"";
}
inline std::string Show(const char* text) {
    return Show(std::string(text));
}
template <typename T>
std::string Show(const T& value) {
    if constexpr (std::is_arithmetic_v<T>) {
        return std::to_string(value);
    } else {
        return "(value)";
    }
}
}  // namespace pwk::wintest
