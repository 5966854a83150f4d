#include "win/platform/RegistryKey.h"

#include "win/combase/WideText.h"

#include <cstring>

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

// The system's tree call (RegDeleteTreeW) came with Windows Vista; this walk does the same with
// calls that Windows 2000 has.
LONG RegistryKey::Remove(HKEY root, const std::wstring& path) {
    // Opened with the right to delete it: a key that may not go is refused before anything
    // below it goes.
    LONG status = ERROR_SUCCESS;
    {
        const auto key = Open(root, path, KEY_READ | DELETE, status);
        if (!key) {
            return status;
        }
        // Deleting shifts the numbering: the names are listed first and removed by name, and
        // listed again until none is left (another program may add one meanwhile). One that
        // went meanwhile is gone as wanted.
        for (auto names = key->SubkeyNames(); !names.empty(); names = key->SubkeyNames()) {
            for (const std::wstring& name : names) {
                status = Remove(key->Handle(), name);
                if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
                    return status;
                }
            }
        }
    }
    return RegDeleteKeyW(root, path.c_str());
}

LONG RegistryKey::DeleteTree(HKEY root, const std::wstring& path) {
    const LONG status = Remove(root, path);
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

std::vector<RegistryKey::RawValue> RegistryKey::Values(LONG& status) const {
    const State state = StateOf(status);
    return status == ERROR_SUCCESS ? Values(state, status) : std::vector<RawValue>{};
}

RegistryKey::State RegistryKey::StateOf(LONG& status) const {
    State state;
    FILETIME written{};
    status =
        RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, &state.Subkeys, nullptr, nullptr,
                         &state.Values, &state.LongestName, &state.LargestData, nullptr, &written);
    state.Written = (static_cast<ULONGLONG>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    return state;
}

std::vector<RegistryKey::RawValue> RegistryKey::Values(const State& state, LONG& status) const {
    status = ERROR_SUCCESS;
    std::vector<RawValue> values;
    std::vector<wchar_t> name(state.LongestName + 1);
    std::vector<BYTE> data(state.LargestData + 1);
    for (DWORD index = 0;; ++index) {
        auto nameLength = static_cast<DWORD>(name.size());
        auto dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        status = RegEnumValueW(key_, index, name.data(), &nameLength, nullptr, &type, data.data(),
                               &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) {
            status = ERROR_SUCCESS;
            break;
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        values.push_back(
            {std::wstring(name.data(), nameLength), type, RegistryBytes(data.data(), dataSize)});
    }
    return values;
}

std::optional<std::wstring> RegistryKey::GetString(const std::wstring& name) const {
    // Most texts fit a small buffer, read in one call; a longer one is read again whole.
    wchar_t small[128];
    DWORD type = 0;
    DWORD bytes = sizeof(small);
    LONG status = RegQueryValueExW(key_, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(small), &bytes);
    std::wstring text;
    if (status == ERROR_SUCCESS) {
        text.assign(small, bytes / sizeof(wchar_t));
    } else if (status == ERROR_MORE_DATA) {
        text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key_, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(text.data()), &bytes);
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // The stored data may or may not end in a NUL; the text ends at the first one.
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

std::optional<DWORD> RegistryKey::GetDword(const std::wstring& name) const {
    bool present = false;
    return GetDword(name, present);
}

std::optional<DWORD> RegistryKey::GetDword(const std::wstring& name, bool& present) const {
    DWORD type = 0;
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    const LONG status = RegQueryValueExW(key_, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(&value), &bytes);
    // A value too long for a number is there all the same.
    present = status == ERROR_SUCCESS || status == ERROR_MORE_DATA;
    if (status != ERROR_SUCCESS || type != REG_DWORD) {
        return std::nullopt;
    }
    return value;
}

LONG RegistryKey::SetString(const std::wstring& name, const std::wstring& value) const {
    const RawValue text = TextValue(name, value);
    return RegSetValueExW(key_, name.c_str(), 0, text.Type, text.Data.data(),
                          static_cast<DWORD>(text.Data.size()));
}

std::optional<std::wstring> RegistryKey::TextOf(const RawValue& value) {
    std::wstring text;
    return TextInto(value, text) ? std::optional(std::move(text)) : std::nullopt;
}

bool RegistryKey::TextInto(const RawValue& value, std::wstring& text) {
    if (value.Type != REG_SZ && value.Type != REG_EXPAND_SZ) {
        return false;
    }
    text.resize(value.Data.size() / sizeof(wchar_t));
    std::memcpy(text.data(), value.Data.data(), text.size() * sizeof(wchar_t));
    // The stored data may or may not end in a NUL; the text ends at the first one.
    text.resize(wcsnlen(text.c_str(), text.size()));
    return true;
}

RegistryKey::RawValue RegistryKey::TextValue(const std::wstring& name, const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {name, REG_SZ, RegistryBytes(bytes, (text.size() + 1) * sizeof(wchar_t))};
}

RegistryKey::RawValue RegistryKey::TextValue(const std::wstring& name, std::string_view text) {
    const std::size_t length = WidenedLength(text);
    BYTE* fill = nullptr;
    RawValue value{name, REG_SZ, RegistryBytes::ToFill((length + 1) * sizeof(wchar_t), fill)};
    WidenInto(text, reinterpret_cast<wchar_t*>(fill), length);  // the NUL stays
    return value;
}

LONG RegistryKey::SetDword(const std::wstring& name, DWORD value) const {
    return RegSetValueExW(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value));
}

bool RegistryKey::HasValue(const std::wstring& name) const {
    return RegQueryValueExW(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::wstring RegistryKey::Folded(std::wstring name) {
    // The names this program stores are mostly plain ASCII, upper-cased here without a call
    // into the system; any other letter is upper-cased as the registry does it.
    bool ascii = true;
    for (wchar_t& c : name) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
        ascii = ascii && c < 0x80;
    }
    if (!ascii) {
        CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    }
    return name;
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
