#include "win/platform/WinFiles.h"

#include <windows.h>

#include "src/util/Failure.h"
#include "win/dispatch/WideText.h"

namespace pwk::win {

void WinFiles::Copy(const std::string& source, const std::string& destination) {
    if (!CopyFileW(Widen(source).c_str(), Widen(destination).c_str(), FALSE)) {
        Raise(GetLastError(), source);
    }
}

void WinFiles::Delete(const std::string& path) {
    if (!DeleteFileW(Widen(path).c_str())) {
        Raise(GetLastError(), path);
    }
}

void WinFiles::Raise(unsigned long error, const std::string& path) {
    std::int32_t number = FailureNumber::PathFileAccessError;
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            number = FailureNumber::FileNotFound;
            break;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            number = FailureNumber::PathNotFound;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            number = FailureNumber::PermissionDenied;
            break;
        default:
            break;
    }
    throw Failure(number, DescriptionOf(number) + ": " + path);
}

}  // namespace pwk::win
