#include "posix/NativeFiles.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "src/util/Failure.h"

namespace pwk {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(std::int32_t number, const std::string& what, const char* source) {
    throw Failure(number, DescriptionOf(number) + ": " + what, source);
}

std::int32_t NumberFor(const std::error_code& error) {
    switch (error.value()) {
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
        case EBUSY:
            return FailureNumber::PermissionDenied;
        case ENOENT:
        case ENOTDIR:
            return FailureNumber::PathNotFound;
        default:
            return FailureNumber::PathFileAccessError;
    }
}

// The folder a path names a file in ("." for a bare name).
fs::path FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Fails the way the classic runtime does for a file that is to be read or removed: a
// missing folder is 76, a missing file in an existing folder 53, a folder in its place 75.
void RequireFile(const std::string& path, const char* doing, const char* source) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        if (!fs::is_directory(FolderOf(path), error)) {
            Fail(FailureNumber::PathNotFound,
                 std::string("cannot ") + doing + " \"" + path + "\": its folder does not exist",
                 source);
        }
        Fail(FailureNumber::FileNotFound,
             std::string("cannot ") + doing + " \"" + path + "\": the file does not exist", source);
    }
    if (error) {
        Fail(NumberFor(error),
             std::string("cannot ") + doing + " \"" + path + "\": " + error.message(), source);
    }
    if (fs::is_directory(status)) {
        Fail(FailureNumber::PathFileAccessError,
             std::string("cannot ") + doing + " \"" + path + "\": it is a folder", source);
    }
}

}  // namespace

void NativeFiles::Copy(const std::string& from, const std::string& to) {
    constexpr const char* source = "FileCopy";
    RequireFile(from, "copy", source);
    std::error_code error;
    if (!fs::is_directory(FolderOf(to), error)) {
        Fail(FailureNumber::PathNotFound,
             "cannot copy to \"" + to + "\": the destination folder does not exist", source);
    }
    if (fs::is_directory(to, error)) {
        Fail(FailureNumber::PathFileAccessError, "cannot copy to \"" + to + "\": it is a folder",
             source);
    }
    if (fs::exists(to, error) && fs::equivalent(from, to, error)) {
        Fail(FailureNumber::PathFileAccessError, "cannot copy \"" + from + "\" onto itself",
             source);
    }
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        Fail(NumberFor(error), "cannot copy \"" + from + "\" to \"" + to + "\": " + error.message(),
             source);
    }
}

void NativeFiles::Delete(const std::string& path) {
    constexpr const char* source = "Kill";
    RequireFile(path, "delete", source);
    std::error_code error;
    fs::remove(path, error);
    if (error) {
        Fail(NumberFor(error), "cannot delete \"" + path + "\": " + error.message(), source);
    }
}

}  // namespace pwk
