#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace pwk::keelson {

// A file written only at its end and held open only while it is written: each Append opens the
// file (creating it when it is missing), writes and closes it. Between two appends nobody is
// kept from deleting, renaming or replacing the file, and the next append goes to whatever file
// then has the name. While an append runs, the file is opened with every sharing right, so a
// deletion at that moment succeeds too (on Windows the file disappears when the append closes
// it).
//
// Append allocates nothing and takes no lock of the C or C++ library: on POSIX it is open,
// write and close, all async-signal-safe; on Windows it is CreateFileW, WriteFile and
// CloseHandle on the wide path kept since construction. It may therefore run in a fatal-signal
// handler or an unhandled-exception filter.
class AppendOnlyFile {
  public:
    AppendOnlyFile() = default;
    // `path` in UTF-8.
    explicit AppendOnlyFile(const std::string& path);

    // Adds `size` bytes at the end. The error is the system's when the file could not be
    // opened or not all bytes were written; with `size` 0 the file is only created if missing.
    std::error_code Append(const char* data, std::size_t size) const noexcept;

    // Makes the file's folder and every missing folder above it; no error when it exists.
    std::error_code MakeFolders() const;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace pwk::keelson
