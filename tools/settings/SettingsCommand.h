#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pwk::settingstool {

// One run of the tool as the command line asks for it.
struct SettingsCommand {
    std::string Name;  // "show", "list", "add", "add-ids", "remove", "set", "dropped",
                       // "restore"; empty with Help
    std::vector<std::string> Arguments;
    std::optional<std::string> StorePath;    // --store; the store's default location otherwise
    std::optional<std::string> MailboxPath;  // --mailbox
    bool Help = false;

    // Reads the program's arguments (without the program name). Options may stand anywhere;
    // "--" ends them. Refuses (as a usage error) an unknown command or option, a wrong number
    // of arguments, and a mailbox given to a command that does not use one or missing where
    // one is needed.
    static SettingsCommand Parse(const std::vector<std::string>& args);
    // Whether the command only reads the store (show, list, dropped): it then opens the store
    // so that nothing of it can change.
    bool ReadsOnly() const;
    // What --help prints: every command, the keys of set, the options and exit statuses.
    static std::string HelpText();
};

}  // namespace pwk::settingstool
