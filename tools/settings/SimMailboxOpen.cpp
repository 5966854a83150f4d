#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsProgram.h"
#include "tools/settings/SimMailboxFolders.h"

namespace pwk::settingstool {

// The mailbox file is loaded into the simulated host, which gives its folders the identifiers
// the host gives the add-in; `locate` (the scenario runner's) turns a name into the file.
std::unique_ptr<MailboxFolders> SettingsProgram::OpenMailbox(const SettingsCommand& command,
                                                             const Locate& locate) {
    if (!command.MailboxPath) {
        return nullptr;
    }
    return std::make_unique<SimMailboxFolders>(locate ? locate(*command.MailboxPath)
                                                      : *command.MailboxPath);
}

}  // namespace pwk::settingstool
