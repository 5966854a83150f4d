#pragma once

#include <windows.h>

namespace pwk::win {

// The component's self-registration: the class, its ProgID and the type library's entry under
// a classes root (HKEY_CLASSES_ROOT for every user, HKCU\Software\Classes for the current
// user), and the host's add-in entry under the current user in both cases.
class Registration {
  public:
    enum class Scope { Machine, User };

    static HRESULT Register(Scope scope);
    // Removes what Register wrote; entries already gone are no failure.
    static HRESULT Unregister(Scope scope);
};

}  // namespace pwk::win
