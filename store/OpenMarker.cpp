#include "store/OpenMarker.h"

#include <filesystem>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#include "src/util/Failure.h"

namespace pwk {

OpenMarker::OpenMarker(std::string settingsFile) : path_(std::move(settingsFile) + ".open") {}

OpenMarker::~OpenMarker() {
    Hold(false);
}

#ifndef _WIN32

void OpenMarker::Hold(bool held) {
    if (!held) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);  // closing drops the lock
            descriptor_ = -1;
        }
        return;
    }
    if (descriptor_ >= 0) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0 || ::flock(descriptor, LOCK_SH | LOCK_NB) != 0) {
        const std::string reason = std::strerror(errno);
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        throw Failure(FailureNumber::PermissionDenied,
                      "The settings file's marker " + path_ + " could not be held: " + reason);
    }
    descriptor_ = descriptor;
}

bool OpenMarker::Held() const {
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;  // no add-in ever marked this file
    }
    // A second open file is a second lock owner, also inside this process: an exclusive lock
    // is refused while any shared one is held.
    const bool held = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return held;
}

#else

void OpenMarker::Hold(bool /*held*/) {}

bool OpenMarker::Held() const {
    return false;
}

#endif

}  // namespace pwk
