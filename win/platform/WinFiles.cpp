#include "win/platform/WinFiles.h"

#include <windows.h>

#include "src/util/Failure.h"
#include "win/combase/WideText.h"

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

std::int32_t WinFiles::NumberOf(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return FailureNumber::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return FailureNumber::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return FailureNumber::PermissionDenied;
        default:
            return FailureNumber::PathFileAccessError;
    }
}

unsigned long WinFiles::ErrorOf(std::int32_t number) {
    switch (number) {
        case FailureNumber::FileNotFound:
            return ERROR_FILE_NOT_FOUND;
        case FailureNumber::PathNotFound:
            return ERROR_PATH_NOT_FOUND;
        case FailureNumber::PermissionDenied:
            return ERROR_ACCESS_DENIED;
        default:
            return ERROR_INVALID_NAME;
    }
}

void WinFiles::Raise(unsigned long error, const std::string& path) {
    const std::int32_t number = NumberOf(error);
    throw Failure(number, DescriptionOf(number) + ": " + path);
}

}  // namespace pwk::win
