#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsProgram.h"
#include "tools/settings/SettingsTool.h"
#include "tools/settings/ToolError.h"
#include "win/platform/RegistrySettingsStore.h"

namespace pwk::settingstool {

// On Windows the tool works on the current user's registry store, the one the add-in reads.
// There is no settings file to name.
void SettingsProgram::RunOnOwnStore(const SettingsCommand& command, const MailboxFolders* mailbox,
                                    std::ostream& out) {
    if (command.StorePath) {
        throw ToolError("--store is not used on Windows: the settings are in the registry",
                        ToolError::Usage);
    }
    // A command that only reads changes nothing, not even a batch another program left behind:
    // it sees the settings as that batch leaves them, and the next writer applies it.
    using Store = win::RegistrySettingsStore;
    Store store(HKEY_CURRENT_USER, Store::ProgramSettings, Store::PendingBatch,
                command.ReadsOnly() ? Store::Access::ReadingOnly : Store::Access::ReadWrite);
    SettingsTool tool(StoreAccess::Of(store, store.Name()), mailbox, out);
    tool.Run(command);
}

}  // namespace pwk::settingstool
