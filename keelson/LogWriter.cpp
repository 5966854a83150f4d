#include "keelson/LogWriter.h"

#include <filesystem>
#include <system_error>

namespace pwk::keelson {

namespace {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

}  // namespace

bool LogWriter::Open(const std::string& path, std::string& error) {
    Close();
    AppendOnlyFile file(path);
    if (const std::error_code folderError = file.MakeFolders()) {
        error = "cannot create the folder " + Utf8(file.Path().parent_path()) + ": " +
                folderError.message();
        return false;
    }
    if (const std::error_code openError = file.Append(nullptr, 0)) {
        error = openError.message();
        return false;
    }
    file_ = std::move(file);
    open_ = true;
    return true;
}

void LogWriter::Flush() noexcept {
    if (buffer_.empty()) {
        return;
    }
    const std::error_code failed = file_.Append(buffer_.data(), buffer_.size());
    if (failed && buffer_.size() < kKeepAtMost) {
        flushAt_ = buffer_.size() + kFlushAt;  // kept for the next flush
        return;
    }
    buffer_.clear();
    flushAt_ = kFlushAt;
}

void LogWriter::Close() noexcept {
    Flush();
    buffer_.clear();
    flushAt_ = kFlushAt;
    open_ = false;
}

}  // namespace pwk::keelson
