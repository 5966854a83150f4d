#include "tools/settings/MailboxFolders.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsProgram.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

// The Windows tool has no mailbox file to read: an administrator names the folders by the
// identifiers the mail client shows (add-ids).
std::unique_ptr<MailboxFolders> SettingsProgram::OpenMailbox(const SettingsCommand& command,
                                                             const Locate& /*locate*/) {
    if (command.MailboxPath) {
        throw ToolError("--mailbox is not available on Windows; give the folder identifiers",
                        ToolError::Usage);
    }
    return nullptr;
}

}  // namespace pwk::settingstool
