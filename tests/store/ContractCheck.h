#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "src/util/Failure.h"
#include "tests/store/SettingsStoreContract.h"
#include "tests/support/FailureOf.h"

// The checks of the framework-neutral store cases: each failed one goes to the ContractChecks
// named `checks` in scope, with the values it saw.
namespace pwk::contract {

inline std::string Show(const std::string& text) {
    return "\"" + text + "\"";
}
inline std::string Show(const char* text) {
    return Show(std::string(text));
}
inline std::string Show(const std::vector<std::string>& lines) {
    std::string shown = "{";
    for (const std::string& line : lines) {
        shown += (shown.size() > 1 ? ", " : "") + Show(line);
    }
    return shown + "}";
}
template <typename T>
std::string Show(const T& value) {
    static_assert(std::is_arithmetic_v<T>);
    return std::to_string(value);
}

using pwk::test::FailureOf;

}  // namespace pwk::contract

#define CONTRACT_CHECK(condition)                        \
    do {                                                 \
        if (!(condition)) {                              \
            checks.Fail(__FILE__, __LINE__, #condition); \
        }                                                \
    } while (false)

#define CONTRACT_CHECK_EQ(actual, expected)                                               \
    do {                                                                                  \
        const auto& contractActual = (actual);                                            \
        const auto& contractExpected = (expected);                                        \
        if (!(contractActual == contractExpected)) {                                      \
            checks.Fail(__FILE__, __LINE__,                                               \
                        std::string(#actual ": ") + pwk::contract::Show(contractActual) + \
                            ", expected " + pwk::contract::Show(contractExpected));       \
        }                                                                                 \
    } while (false)
