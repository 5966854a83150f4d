#pragma once

namespace pwk::win {

// States of the component that only a test machine turns on. The shipped component has each
// off; each is on only while the process's environment holds its variable with the value "1"
// exactly, which the scenario runner's machine answers for the component.
//
// Two of the error library: debug mode (the error dialog offers Retry) and unattended execution
// (a failure is logged, never shown).
inline constexpr wchar_t kDebugModeVariable[] = L"PWK_TEST_DEBUG_MODE";
inline constexpr wchar_t kUnattendedVariable[] = L"PWK_TEST_UNATTENDED";
// The add-in object's member that tells the keys its window hooks are filed under
// (win/com/HookKeysMember.h); without it the object has the members of its type library only.
inline constexpr wchar_t kHookKeysVariable[] = L"PWK_TEST_HOOK_KEYS";

bool TestSwitchOn(const wchar_t* variable);

}  // namespace pwk::win
