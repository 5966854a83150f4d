#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "src/util/Failure.h"
#include "store/StoreFailure.h"
#include "win/platform/RegistryKey.h"

namespace pwk::win {

// The settings statements raise 5 for whatever the registry refuses.
[[noreturn]] inline void Refused(LONG status, StoreAction action, const std::string& what) {
    RaiseStoreFailure(FailureNumber::InvalidProcedureCall, action, what,
                      WindowsErrorReason(status));
}

// A section key opened for reading: nothing when it does not exist; any other refusal is a
// failure the user is told of, never an empty section whose defaults go on silently.
inline std::optional<RegistryKey> OpenToRead(HKEY root, const std::wstring& path,
                                             const std::string& what) {
    LONG status = ERROR_SUCCESS;
    auto key = RegistryKey::Open(root, path, KEY_READ, status);
    if (!key && status != ERROR_FILE_NOT_FOUND) {
        Refused(status, StoreAction::Read, what);
    }
    return key;
}

}  // namespace pwk::win
