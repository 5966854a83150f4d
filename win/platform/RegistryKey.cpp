#include "win/platform/RegistryKey.h"

namespace pwk::win {

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

void RegistryKey::Close() noexcept {
    if (key_ != nullptr) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access) {
    LONG status = ERROR_SUCCESS;
    return Open(root, path, access, status);
}

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access,
                                             LONG& status) {
    HKEY key = nullptr;
    status = RegOpenKeyExW(root, path.c_str(), 0, access, &key);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::Create(HKEY root, const std::wstring& path, LONG& status) {
    HKEY key = nullptr;
    status = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryKey(key);
}

bool RegistryKey::Exists(HKEY root, const std::wstring& path) {
    return Open(root, path).has_value();
}

// The system's tree calls (RegDeleteTreeW, RegCopyTreeW) came with Windows Vista; these walks
// do the same with calls that Windows 2000 has.
LONG RegistryKey::Remove(HKEY root, const std::wstring& path) {
    // Opened with the right to delete it: a key that may not go is refused before anything
    // below it goes.
    LONG status = ERROR_SUCCESS;
    {
        const auto key = Open(root, path, KEY_READ | DELETE, status);
        if (!key) {
            return status;
        }
        // Deleting shifts the numbering: the first subkey is taken until there is none.
        for (auto names = key->SubkeyNames(); !names.empty(); names = key->SubkeyNames()) {
            if (status = Remove(key->Handle(), names.front()); status != ERROR_SUCCESS) {
                return status;
            }
        }
    }
    return RegDeleteKeyW(root, path.c_str());
}

LONG RegistryKey::DeleteTree(HKEY root, const std::wstring& path) {
    const LONG status = Remove(root, path);
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

LONG RegistryKey::CopyTree(HKEY root, const std::wstring& source, const std::wstring& target) {
    const auto from = Open(root, source);
    if (!from) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (const LONG status = DeleteTree(root, target); status != ERROR_SUCCESS) {
        return status;
    }
    LONG status = ERROR_SUCCESS;
    const auto to = Create(root, target, status);
    if (!to) {
        return status;
    }
    return CopyInto(*from, *to);
}

LONG RegistryKey::CopyInto(const RegistryKey& from, const RegistryKey& to) {
    LONG status = ERROR_SUCCESS;
    for (const RawValue& value : from.Values(status)) {
        if (status == ERROR_SUCCESS) {
            status = RegSetValueExW(to.key_, value.Name.c_str(), 0, value.Type, value.Data.data(),
                                    static_cast<DWORD>(value.Data.size()));
        }
    }
    for (const std::wstring& subkey : from.SubkeyNames()) {
        if (status != ERROR_SUCCESS) {
            break;
        }
        const auto child = Open(from.key_, subkey, KEY_READ, status);
        const auto copy = child ? Create(to.key_, subkey, status) : std::nullopt;
        if (copy) {
            status = CopyInto(*child, *copy);
        }
    }
    return status;
}

std::vector<RegistryKey::RawValue> RegistryKey::Values(LONG& status) const {
    DWORD longestName = 0;
    DWORD largestData = 0;
    status = RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              &longestName, &largestData, nullptr, nullptr);
    std::vector<RawValue> values;
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(largestData + 1);
    for (DWORD index = 0; status == ERROR_SUCCESS; ++index) {
        auto nameLength = static_cast<DWORD>(name.size());
        auto dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        status = RegEnumValueW(key_, index, name.data(), &nameLength, nullptr, &type, data.data(),
                               &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) {
            status = ERROR_SUCCESS;
            break;
        }
        if (status == ERROR_SUCCESS) {
            values.push_back({std::wstring(name.data(), nameLength), type,
                              std::vector<BYTE>(data.begin(), data.begin() + dataSize)});
        }
    }
    return values;
}

std::optional<std::wstring> RegistryKey::GetString(const std::wstring& name) const {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The stored data may or may not end in a NUL; the text ends at the first one.
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

std::optional<DWORD> RegistryKey::GetDword(const std::wstring& name) const {
    DWORD type = 0;
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &bytes) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return value;
}

LONG RegistryKey::SetString(const std::wstring& name, const std::wstring& value) const {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

LONG RegistryKey::SetDword(const std::wstring& name, DWORD value) const {
    return RegSetValueExW(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value));
}

bool RegistryKey::HasValue(const std::wstring& name) const {
    return RegQueryValueExW(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::vector<std::wstring> RegistryKey::SubkeyNames() const {
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumKeyExW(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return names;
        }
        names.emplace_back(name, length);
    }
}

bool RegistryKey::IsEmpty() const {
    DWORD subkeys = 0;
    DWORD values = 0;
    RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    return subkeys == 0 && values == 0;
}

}  // namespace pwk::win
