#pragma once

#include <windows.h>

#include <string>

#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"
#include "win/platform/RegistryTree.h"

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

// Whether a batch's record is left under the pending key `pending`: its steps, its mark, or an
// earlier version's list of whole copies. The sections' keys, which hold nothing, are no record.
inline bool PendingRecordLeft(const std::wstring& pending) {
    const auto key = win::RegistryKey::Open(HKEY_CURRENT_USER, pending);
    return key && (key->HasValue(L"Complete") || key->HasValue(L"Applications") ||
                   win::RegistryKey::Exists(HKEY_CURRENT_USER, pending + L"\\Steps"));
}

// How many values the key `path` and the keys below it hold (0 when there is no key).
inline std::size_t ValuesBelow(const win::RegistryTree& tree) {
    std::size_t count = tree.Values().size();
    for (const auto& [name, key] : tree.Keys()) {
        count += ValuesBelow(*key);
    }
    return count;
}
inline std::size_t ValuesBelow(const std::wstring& path) {
    LONG status = ERROR_SUCCESS;
    const auto tree = win::RegistryTree::Load(HKEY_CURRENT_USER, path, status);
    return tree ? ValuesBelow(*tree) : 0;
}

}  // namespace pwk::wintest
