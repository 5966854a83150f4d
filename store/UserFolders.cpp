#include "store/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "src/util/Failure.h"

namespace pwk {

std::string UserFolders::Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? "" : value;
}

std::string UserFolders::Home() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
    if (home.empty()) {
        throw Failure(FailureNumber::PathNotFound,
                      DescriptionOf(FailureNumber::PathNotFound) +
                          ": the home folder of the current user is not known (HOME is not set)",
                      "UserFolders");
    }
    return home;
}

std::string UserFolders::Resolve(const char* variable, const char* underHome) {
    // A relative value is invalid and is ignored, as the base-directory rules say.
    if (std::string folder = Environment(variable); !folder.empty() && folder[0] == '/') {
        return folder;
    }
    return Home() + "/" + underHome;
}

}  // namespace pwk
