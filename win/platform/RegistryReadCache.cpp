#include "win/platform/RegistryReadCache.h"

#include <shlobj.h>

#include <optional>
#include <utility>

#include "win/combase/Unique.h"
#include "win/platform/RegistryCacheCodec.h"

namespace pwk::win {

namespace {

ULONGLONG Now() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

UniqueHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    const HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWhole(const std::wstring& path) {
    const UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file) {
        return std::nullopt;
    }
    DWORD high = 0;
    const DWORD low = GetFileSize(file.Get(), &high);
    // The file holds a few keys' values: anything near 4 GB is not one of ours.
    if ((low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high != 0 ||
        low > 256u * 1024 * 1024) {
        return std::nullopt;
    }
    std::string bytes(low, '\0');
    DWORD done = 0;
    if (low != 0 && (!ReadFile(file.Get(), bytes.data(), low, &done, nullptr) || done != low)) {
        return std::nullopt;
    }
    return bytes;
}

// Written beside the file and then put in its place, so that a crash or a full disk half way
// leaves the old file (or none), never half a new one.
bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    const std::wstring fresh = path + L".new";
    {
        // Shared with nobody: a second writer at the same moment gives up instead.
        const UniqueHandle file = OpenFile(fresh, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!file) {
            return false;
        }
        DWORD done = 0;
        if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done,
                       nullptr) ||
            done != bytes.size()) {
            return false;
        }
    }
    return MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace

RegistryReadCache::RegistryReadCache(std::wstring file) : file_(std::move(file)) {}

std::wstring RegistryReadCache::InLocalAppData(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder)) ||
        folder[0] == L'\0') {
        return L"";
    }
    // Not the folder the per-user package installs to: removing the program empties and removes
    // that one, and the cache, like the settings it copies, stays with the user.
    const std::wstring own = std::wstring(folder) + L"\\Parleywick Cache";
    if (!CreateDirectoryW(own.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return L"";
    }
    return own + L"\\" + name;
}

const RegistryReadCache::Contents* RegistryReadCache::Trusted(const std::wstring& path) {
    if (file_.empty() || current_.empty()) {
        return nullptr;
    }
    const std::wstring folded = RegistryKey::Folded(path);
    if (current_.count(folded) == 0) {
        return nullptr;
    }
    const auto kept = entries_.find(folded);
    if (kept == entries_.end()) {
        return nullptr;
    }
    ++counts_.Trusted;
    return &kept->second;
}

const RegistryReadCache::Contents& RegistryReadCache::Read(const RegistryKey& key,
                                                           const std::wstring& path, LONG& status) {
    const RegistryKey::State state = key.StateOf(status);
    if (status != ERROR_SUCCESS) {
        return scratch_ = Contents{};
    }
    const std::wstring folded = RegistryKey::Folded(path);
    if (!file_.empty()) {
        LoadOnce();
        const auto kept = entries_.find(folded);
        if (kept != entries_.end() && kept->second.State.SameAs(state) &&
            kept->second.State.Written + kSettled < kept->second.ReadAt) {
            ++counts_.Kept;
            read_.insert(folded);
            current_.insert(folded);
            return kept->second;
        }
    }
    ++counts_.Listed;
    Contents contents;
    contents.State = state;
    contents.Values = key.Values(state, status);
    if (status == ERROR_SUCCESS) {
        contents.Subkeys = key.SubkeyNames();
    }
    // The state was asked before the listing, so a write during it leaves the key's time past
    // the one kept; the moment the listing was done is for the settle rule.
    contents.ReadAt = Now();
    if (file_.empty() || status != ERROR_SUCCESS) {
        return scratch_ = std::move(contents);
    }
    settledListing_ = settledListing_ || contents.State.Written + kSettled < contents.ReadAt;
    read_.insert(folded);
    current_.insert(folded);
    return entries_.insert_or_assign(folded, std::move(contents)).first->second;
}

void RegistryReadCache::Save() {
    if (file_.empty() || !settledListing_) {
        return;
    }
    Entries kept;
    for (const std::wstring& path : read_) {
        if (const auto found = entries_.find(path); found != entries_.end()) {
            kept.emplace(path, found->second);
        }
    }
    // A file that cannot be written is left: the next start lists the keys again.
    WriteWhole(file_, EncodeRegistryCache(kept));
    settledListing_ = false;
}

void RegistryReadCache::Forget() {
    loaded_ = false;
    settledListing_ = false;
    entries_.clear();
    read_.clear();
    current_.clear();
}

void RegistryReadCache::LoadOnce() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    if (const auto bytes = ReadWhole(file_)) {
        if (auto decoded = DecodeRegistryCache(*bytes)) {
            entries_ = std::move(*decoded);
        }
    }
}

}  // namespace pwk::win
