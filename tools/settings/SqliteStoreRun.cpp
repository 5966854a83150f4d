#include <memory>

#include "store/SqliteSettingsStore.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsProgram.h"
#include "tools/settings/SettingsTool.h"
#include "tools/settings/SimMailboxFolders.h"

namespace pwk::settingstool {

void SettingsProgram::RunOnStore(const SettingsCommand& command, const StoreAccess* given,
                                 const Locate& locate, std::ostream& out) {
    // The mailbox is read first: a bad mailbox file stops the run before the store is opened.
    std::unique_ptr<SimMailboxFolders> mailbox;
    if (command.MailboxPath) {
        mailbox = std::make_unique<SimMailboxFolders>(locate ? locate(*command.MailboxPath)
                                                             : *command.MailboxPath);
    }
    if (given != nullptr) {
        SettingsTool(*given, mailbox.get(), out).Run(command);
        return;
    }
    SqliteSettingsStore store(command.StorePath);
    SettingsTool tool(StoreAccess::Of(store, store.Path()), mailbox.get(), out);
    tool.Run(command);
}

}  // namespace pwk::settingstool
