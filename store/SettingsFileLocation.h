#pragma once

#include <optional>
#include <string>

namespace pwk {

// Where the settings file lives: the path given by the program (an option) wins, then
// $PWK_SETTINGS, then $XDG_CONFIG_HOME/parleywick/settings.db, then
// ~/.config/parleywick/settings.db.
class SettingsFileLocation {
  public:
    static std::string Resolve(const std::optional<std::string>& option = std::nullopt);
};

}  // namespace pwk
