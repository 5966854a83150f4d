#pragma once

#include <windows.h>

namespace pwk::win {

// The component's self-registration: the classes, their ProgIDs and the type library's entry
// under a classes root (HKEY_CLASSES_ROOT for every user, HKCU\Software\Classes for the current
// user), and the host's add-in entry under the current user in both cases. The installer
// packages (win/installer) write the same entries from their own tables.
class Registration {
  public:
    enum class Scope { Machine, User };

    static HRESULT Register(Scope scope);
    // Removes what Register wrote; entries already gone are no failure.
    static HRESULT Unregister(Scope scope);
    // The host's add-in entry of the current user alone: what a machine-wide installation runs
    // once for each user at that user's logon, since its classes are there for everybody.
    static HRESULT RegisterAddin();
    static HRESULT UnregisterAddin();
};

}  // namespace pwk::win
