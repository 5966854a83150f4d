#pragma once

#include <windows.h>

#include <string>

#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"

namespace pwk::wintest {

// The branch of HKEY_CURRENT_USER one registry test works in, away from the real program
// settings: the store's settings and its pending batch below one key, removed together.
struct RegistryBranch {
    explicit RegistryBranch(const std::wstring& top)
        : Top(top), Settings(top + L"\\Settings"), Pending(top + L"\\Pending") {}

    void Wipe() const { win::RegistryKey::DeleteTree(HKEY_CURRENT_USER, Top); }
    win::RegistrySettingsStore Store(win::RegistrySettingsStore::Access access =
                                         win::RegistrySettingsStore::Access::ReadWrite) const {
        return win::RegistrySettingsStore(HKEY_CURRENT_USER, Settings, Pending, access);
    }

    const std::wstring Top;
    const std::wstring Settings;
    const std::wstring Pending;
};

}  // namespace pwk::wintest
