#pragma once

#include <cstdint>
#include <string>

namespace pwk::win {

// File operations over the Win32 calls, failing with the classic numbers: 53 file not found,
// 76 path not found, 70 permission denied, 75 any other path or file access error.
class WinFiles {
  public:
    static void Copy(const std::string& source, const std::string& destination);
    static void Delete(const std::string& path);
    // The classic failure for a Win32 error code met while working on `path`.
    [[noreturn]] static void Raise(unsigned long error, const std::string& path);
    // The classic number of a Win32 error code, and a Win32 error code that has that number.
    static std::int32_t NumberOf(unsigned long error);
    static unsigned long ErrorOf(std::int32_t number);
};

}  // namespace pwk::win
