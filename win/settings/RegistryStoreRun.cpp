#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsProgram.h"
#include "tools/settings/SettingsTool.h"
#include "tools/settings/ToolError.h"
#include "win/platform/RegistrySettingsStore.h"

namespace pwk::settingstool {

// On Windows the tool works on the current user's registry store, the one the add-in reads.
// There is no settings file to name, and no mailbox file: folder identifiers are given as
// they are (add-ids).
void SettingsProgram::RunOnStore(const SettingsCommand& command, const StoreAccess* given,
                                 const Locate& /*locate*/, std::ostream& out) {
    if (command.StorePath) {
        throw ToolError("--store is not used on Windows: the settings are in the registry",
                        ToolError::Usage);
    }
    if (command.MailboxPath) {
        throw ToolError("--mailbox is not available on Windows; give the folder identifiers",
                        ToolError::Usage);
    }
    if (given != nullptr) {
        SettingsTool(*given, nullptr, out).Run(command);
        return;
    }
    win::RegistrySettingsStore store;
    SettingsTool tool(StoreAccess::Of(store, store.Name()), nullptr, out);
    tool.Run(command);
}

}  // namespace pwk::settingstool
