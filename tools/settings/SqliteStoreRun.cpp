#include "store/SqliteSettingsStore.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsProgram.h"
#include "tools/settings/SettingsTool.h"

namespace pwk::settingstool {

// The SQLite settings file `--store` names, or the default one.
void SettingsProgram::RunOnOwnStore(const SettingsCommand& command, const MailboxFolders* mailbox,
                                    std::ostream& out) {
    SqliteSettingsStore store(command.StorePath, command.ReadsOnly()
                                                     ? SqliteSettingsStore::Access::ReadingOnly
                                                     : SqliteSettingsStore::Access::ReadWrite);
    SettingsTool tool(StoreAccess::Of(store, store.Path()), mailbox, out);
    tool.Run(command);
}

}  // namespace pwk::settingstool
