#pragma once

#include <oaidl.h>

namespace pwk {
class Connect;
}

namespace pwk::win {

// A member of the add-in object for tests only: TestHookKeys(kind), where kind is "explorer" or
// "inspector", answers the keys the application object files its window hooks of that kind
// under, in order and separated by spaces ("" for none), or Null when there is no application
// object. The keys stay inside the component otherwise, and the scenario runner checks them
// through the real component with it.
//
// The object has it only while the test switch PWK_TEST_HOOK_KEYS is on (TestSwitches.h), read
// at every call; off, as in the shipped component, its name is unknown and its number no member,
// so the object's members are exactly its type library's. It is a name outside the type library
// rather than a member of it so that nothing published changes.
class HookKeysMember {
  public:
    static constexpr wchar_t Name[] = L"TestHookKeys";
    // Far above the numbers of the type library's members.
    static constexpr DISPID Id = 0x4000;

    // The member's number when `name` is its name and the switch is on.
    static bool Find(const wchar_t* name, DISPID* id);
    // True when `member` is this member and the switch is on.
    static bool Is(DISPID member);
    static HRESULT Invoke(const Connect& core, WORD flags, DISPPARAMS* params, VARIANT* result,
                          UINT* argError);
};

}  // namespace pwk::win
