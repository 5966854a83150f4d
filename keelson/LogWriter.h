#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace pwk::keelson {

// The log file, written through a large buffer so that tracing every procedure stays cheap.
// Lines are built piece by piece straight into the buffer; nothing is written before Open.
class LogWriter {
  public:
    LogWriter() { buffer_.reserve(kFlushAt + 4096); }
    ~LogWriter() { Close(); }
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    // Opens `path` for appending, creating missing folders. On failure returns false and sets
    // `error` to the reason; the previous file, if any, is closed either way.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return file_ != nullptr; }

    void Append(std::string_view text) {
        if (file_ != nullptr) {
            buffer_.append(text);
        }
    }
    void EndLine() {
        if (file_ != nullptr) {
            buffer_.push_back('\n');
            if (buffer_.size() >= kFlushAt) {
                Flush();
            }
        }
    }

    // Hands the buffer to the file. A failing write is dropped rather than thrown: the log
    // must never turn a reported failure into a second one.
    void Flush() noexcept;
    void Close() noexcept;

  private:
    static constexpr std::size_t kFlushAt = 64 * 1024;

    // Someone may delete or replace the log while it is open (the upgrade reset erases it);
    // the next lines then start a new file at the same path instead of vanishing.
    void ReopenIfReplaced() noexcept;

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string buffer_;
};

}  // namespace pwk::keelson
