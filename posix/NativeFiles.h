#pragma once

#include <string>

namespace pwk {

// Copying and deleting files by native path, failing with the classic file-error numbers
// (53 file not found, 70 permission denied, 75 path/file access error, 76 path not found)
// and a description that names the file and the cause.
class NativeFiles {
  public:
    // Copies `from` over `to` (an existing file is replaced).
    static void Copy(const std::string& from, const std::string& to);
    static void Delete(const std::string& path);
};

}  // namespace pwk
