#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "keelson/AppendOnlyFile.h"

namespace pwk::keelson {

// The log file, written through a large buffer so that tracing every procedure stays cheap.
// Lines are built piece by piece straight into the buffer; nothing is written before Open.
//
// The file is open only while a flush writes it (see AppendOnlyFile), never in between, so the
// log can be deleted, renamed or replaced while the add-in runs (the upgrade reset erases it):
// the lines of the next flush, including those buffered before the deletion, start a new file
// at the same path.
class LogWriter {
  public:
    LogWriter() { buffer_.reserve(kFlushAt + 4096); }
    ~LogWriter() { Close(); }
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    // Sets the log to `path` (UTF-8), creating missing folders and the file when it is missing.
    // On failure returns false and sets `error` to the reason; the previous log, if any, is
    // flushed and left either way.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return open_; }

    void Append(std::string_view text) {
        if (open_) {
            buffer_.append(text);
        }
    }
    void EndLine() {
        if (open_) {
            buffer_.push_back('\n');
            if (buffer_.size() >= flushAt_) {
                Flush();
            }
        }
    }

    // Hands the buffer to the file. A failing write is not thrown: the log must never turn a
    // reported failure into a second one. The lines stay buffered for the next flush instead
    // (the file may be held by another program for a moment, or its folder gone), up to
    // kKeepAtMost, past which they are dropped.
    //
    // Safe in a fatal-signal handler or an unhandled-exception filter: it allocates nothing
    // (clearing the buffer keeps its memory) and writes through AppendOnlyFile. What is not
    // safe there is building new lines, which may grow the buffer.
    void Flush() noexcept;
    void Close() noexcept;

  private:
    static constexpr std::size_t kFlushAt = 64 * 1024;
    static constexpr std::size_t kKeepAtMost = 16 * kFlushAt;

    AppendOnlyFile file_;
    bool open_ = false;
    // The buffer's size at which a line's end flushes: kFlushAt, or after a failed flush
    // kFlushAt more than what waits, so that an unwritable file is not tried at every line.
    std::size_t flushAt_ = kFlushAt;
    std::string buffer_;
};

}  // namespace pwk::keelson
