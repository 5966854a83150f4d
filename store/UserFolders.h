#pragma once

#include <string>

namespace pwk {

// The current user's folders on a POSIX system, by the XDG base-directory rules: a variable
// holding an absolute path wins, otherwise the usual folder under the home folder.
class UserFolders {
  public:
    // $HOME, else the password database's entry; fails (76) when neither is known.
    static std::string Home();
    // $XDG_CONFIG_HOME or ~/.config
    static std::string Config() { return Resolve("XDG_CONFIG_HOME", ".config"); }
    // $XDG_DATA_HOME or ~/.local/share
    static std::string Data() { return Resolve("XDG_DATA_HOME", ".local/share"); }
    // $XDG_STATE_HOME or ~/.local/state
    static std::string State() { return Resolve("XDG_STATE_HOME", ".local/state"); }

    // The value of an environment variable, empty when unset.
    static std::string Environment(const char* name);

  private:
    static std::string Resolve(const char* variable, const char* underHome);
};

}  // namespace pwk
