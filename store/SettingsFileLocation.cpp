#include "store/SettingsFileLocation.h"

#include "store/UserFolders.h"

namespace pwk {

std::string SettingsFileLocation::Resolve(const std::optional<std::string>& option) {
    if (option && !option->empty()) {
        return *option;
    }
    if (std::string path = UserFolders::Environment("PWK_SETTINGS"); !path.empty()) {
        return path;
    }
    return UserFolders::Config() + "/parleywick/settings.db";
}

}  // namespace pwk
