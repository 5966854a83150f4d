#include "keelson/LogWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>

namespace pwk::keelson {

bool LogWriter::Open(const std::string& path, std::string& error) {
    Close();
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code folderError;
    if (!parent.empty() && !std::filesystem::is_directory(parent, folderError)) {
        std::filesystem::create_directories(parent, folderError);
        if (folderError) {
            error = "cannot create the folder " + parent.string() + ": " + folderError.message();
            return false;
        }
    }
    file_ = std::fopen(path.c_str(), "ab");
    if (file_ == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    path_ = path;
    return true;
}

void LogWriter::ReopenIfReplaced() noexcept {
    struct stat atPath {};
    struct stat open {};
    const bool same = ::stat(path_.c_str(), &atPath) == 0 && ::fstat(fileno(file_), &open) == 0 &&
                      atPath.st_ino == open.st_ino && atPath.st_dev == open.st_dev;
    if (same) {
        return;
    }
    if (std::FILE* fresh = std::fopen(path_.c_str(), "ab")) {
        std::fclose(file_);
        file_ = fresh;
    }
}

void LogWriter::Flush() noexcept {
    if (file_ != nullptr && !buffer_.empty()) {
        ReopenIfReplaced();
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        std::fflush(file_);
    }
    buffer_.clear();
}

void LogWriter::Close() noexcept {
    Flush();
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

}  // namespace pwk::keelson
