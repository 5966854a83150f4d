#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win/platform/RegistryBytes.h"

namespace pwk::win {

// An open registry key, closed when the holder goes. Paths and names are UTF-16, as the
// registry takes them; failing calls hand back the Win32 status instead of throwing, since what
// a failure means (a missing section, a denied write) is the caller's to say.
class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; nothing when it does not exist or cannot be opened.
    static std::optional<RegistryKey> Open(HKEY root, const std::wstring& path,
                                           REGSAM access = KEY_READ);
    // The same, with the status of a failed open in `status`.
    static std::optional<RegistryKey> Open(HKEY root, const std::wstring& path, REGSAM access,
                                           LONG& status);
    // Opens the key, creating it and any missing parents; status in `status` on failure.
    static std::optional<RegistryKey> Create(HKEY root, const std::wstring& path, LONG& status);
    static bool Exists(HKEY root, const std::wstring& path);
    // Removes the key with everything below it; ERROR_FILE_NOT_FOUND when there was none.
    static LONG Remove(HKEY root, const std::wstring& path);
    // The same, ERROR_SUCCESS also when there was nothing.
    static LONG DeleteTree(HKEY root, const std::wstring& path);

    HKEY Handle() const { return key_; }

    // One value as stored: its name, type and bytes.
    struct RawValue {
        std::wstring Name;
        DWORD Type = 0;
        RegistryBytes Data;
    };
    // Every value of the key itself, in the registry's order; the status of a failed read in
    // `status`.
    std::vector<RawValue> Values(LONG& status) const;

    // What the registry says of the key itself, in one call: when it was last written (a
    // value set or removed, a subkey made or removed), how many values and subkeys it has, and
    // the sizes a listing needs.
    struct State {
        ULONGLONG Written = 0;  // FILETIME, in 100 ns units
        DWORD Subkeys = 0;
        DWORD Values = 0;
        DWORD LongestName = 0;
        DWORD LargestData = 0;

        // The same key as far as a reader can tell (the sizes follow from the rest).
        bool SameAs(const State& other) const {
            return Written == other.Written && Subkeys == other.Subkeys && Values == other.Values;
        }
    };
    State StateOf(LONG& status) const;
    // The values, listed with the sizes of a state just taken.
    std::vector<RawValue> Values(const State& state, LONG& status) const;

    // The text of a REG_SZ (or REG_EXPAND_SZ, unexpanded) value, up to its first NUL; nothing
    // for a value of another type.
    static std::optional<std::wstring> TextOf(const RawValue& value);
    // The same into `text`, whose buffer a caller reading many values reuses; false (and `text`
    // left as it was) for a value of another type.
    static bool TextInto(const RawValue& value, std::wstring& text);
    // The REG_SZ value that SetString stores; the same from a UTF-8 text, converted straight
    // into the data (a save writes thousands).
    static RawValue TextValue(const std::wstring& name, const std::wstring& text);
    static RawValue TextValue(const std::wstring& name, std::string_view text);

    // A REG_SZ (or REG_EXPAND_SZ, unexpanded) value; nothing when missing or of another type.
    std::optional<std::wstring> GetString(const std::wstring& name) const;
    std::optional<DWORD> GetDword(const std::wstring& name) const;
    // The same, and in `present` whether a value of that name is there at all (of any type),
    // in the one call.
    std::optional<DWORD> GetDword(const std::wstring& name, bool& present) const;
    LONG SetString(const std::wstring& name, const std::wstring& value) const;
    LONG SetDword(const std::wstring& name, DWORD value) const;
    bool HasValue(const std::wstring& name) const;
    // A name as the registry compares it.
    static std::wstring Folded(std::wstring name);

    // The names of the subkeys directly below.
    std::vector<std::wstring> SubkeyNames() const;
    bool IsEmpty() const;

  private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    void Close() noexcept;

    HKEY key_ = nullptr;
};

}  // namespace pwk::win
