#include "keelson/LogWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

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
    return true;
}

void LogWriter::Flush() noexcept {
    if (file_ != nullptr && !buffer_.empty()) {
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
