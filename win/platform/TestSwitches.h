#pragma once

namespace pwk::win {

// Two states of the error library that only a test machine turns on: debug mode (the error
// dialog offers Retry) and unattended execution (a failure is logged, never shown). The shipped
// component has both off; each is on only while the process's environment holds its variable
// with the value "1" exactly, which the scenario runner's machine answers for the component.
inline constexpr wchar_t kDebugModeVariable[] = L"PWK_TEST_DEBUG_MODE";
inline constexpr wchar_t kUnattendedVariable[] = L"PWK_TEST_UNATTENDED";

bool TestSwitchOn(const wchar_t* variable);

}  // namespace pwk::win
