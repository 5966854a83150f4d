#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "win/platform/RegistryKey.h"

namespace pwk::win {

// What one registry key held when it was read: its state, when the listing was done, its
// values in the registry's order and the names of its subkeys.
struct RegistryKeyContents {
    RegistryKey::State State;
    ULONGLONG ReadAt = 0;  // the system time once the listing was done, in 100 ns units
    std::vector<RegistryKey::RawValue> Values;
    std::vector<std::wstring> Subkeys;

    // Contents by folded path.
    using ByPath = std::map<std::wstring, RegistryKeyContents>;
};

}  // namespace pwk::win
