#include "keelson/AppendOnlyFile.h"

#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace pwk::keelson {

namespace {

std::filesystem::path FromUtf8(const std::string& text) {
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

}  // namespace

AppendOnlyFile::AppendOnlyFile(const std::string& path) : path_(FromUtf8(path)) {}

#ifdef _WIN32

std::error_code AppendOnlyFile::Append(const char* data, std::size_t size) const noexcept {
    // FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the current end.
    const HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    std::error_code error;
    while (size > 0) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr)) {
            error = {static_cast<int>(GetLastError()), std::system_category()};
            break;
        }
        if (written == 0) {
            error = {ERROR_WRITE_FAULT, std::system_category()};
            break;
        }
        data += written;
        size -= written;
    }
    CloseHandle(file);
    return error;
}

// Level by level with the system's calls: std::filesystem's folder functions import functions
// of the C runtime (_wstat64) that the msvcrt.dll of Windows 2000 does not have.
std::error_code AppendOnlyFile::MakeFolders() const {
    std::filesystem::path folder;
    for (const std::filesystem::path& part : path_.parent_path()) {
        folder /= part;
        if (!folder.has_relative_path() || CreateDirectoryW(folder.c_str(), nullptr)) {
            continue;  // a drive or a share's root, or a folder made now
        }
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            return {static_cast<int>(error), std::system_category()};
        }
    }
    return {};
}

#else

std::error_code AppendOnlyFile::MakeFolders() const {
    const std::filesystem::path parent = path_.parent_path();
    std::error_code error;
    if (!parent.empty() && !std::filesystem::is_directory(parent, error)) {
        std::filesystem::create_directories(parent, error);
    }
    return error;
}

std::error_code AppendOnlyFile::Append(const char* data, std::size_t size) const noexcept {
    const int file = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) {
        return {errno, std::generic_category()};
    }
    std::error_code error;
    while (size > 0) {
        const ssize_t written = ::write(file, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error = {written < 0 ? errno : EIO, std::generic_category()};
            break;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    if (::close(file) != 0 && !error && errno != EINTR) {
        error = {errno, std::generic_category()};
    }
    return error;
}

#endif

}  // namespace pwk::keelson
