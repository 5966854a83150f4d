#include "store/SettingsFileLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "src/errors/Failure.h"

namespace pwk {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? "" : value;
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
    if (home.empty()) {
        throw Failure(FailureNumber::PathNotFound,
                      "Path not found: no home folder is known for the settings file (set "
                      "PWK_SETTINGS or HOME)",
                      "SettingsFileLocation");
    }
    return home;
}

}  // namespace

std::string SettingsFileLocation::Resolve(const std::optional<std::string>& option) {
    if (option && !option->empty()) {
        return *option;
    }
    if (std::string path = Environment("PWK_SETTINGS"); !path.empty()) {
        return path;
    }
    // A relative XDG_CONFIG_HOME is invalid and is ignored, as the base-directory rules say.
    if (std::string config = Environment("XDG_CONFIG_HOME"); !config.empty() && config[0] == '/') {
        return config + "/parleywick/settings.db";
    }
    return HomeFolder() + "/.config/parleywick/settings.db";
}

}  // namespace pwk
