// The error library's test switches: off unless the process's environment holds "1" exactly,
// so the shipped component, on a machine that never sets them, has neither.
#include <windows.h>

#include "tests/win/support/Check.h"
#include "win/platform/TestSwitches.h"

using pwk::win::kDebugModeVariable;
using pwk::win::kUnattendedVariable;
using pwk::win::TestSwitchOn;

namespace {

TEST_CASE("a switch is on only for the value 1 and off when the variable is missing") {
    for (const wchar_t* variable : {kDebugModeVariable, kUnattendedVariable}) {
        SetEnvironmentVariableW(variable, nullptr);
        CHECK(!TestSwitchOn(variable));
        for (const wchar_t* value : {L"", L"0", L"11", L"yes", L"on", L"1 "}) {
            SetEnvironmentVariableW(variable, value);
            CHECK(!TestSwitchOn(variable));
        }
        SetEnvironmentVariableW(variable, L"1");
        CHECK(TestSwitchOn(variable));
        SetEnvironmentVariableW(variable, nullptr);
    }
}

}  // namespace
