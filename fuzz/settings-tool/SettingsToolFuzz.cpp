// The settings tool reading a hostile store: "show", "list" and "dropped" on whatever values
// the store holds either report or refuse with one ToolError; a stored value must never crash,
// hang or exhaust the tool.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "fuzz/SettingsInput.h"
#include "src/resources/Version.h"
#include "src/util/Failure.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsTool.h"
#include "tools/settings/StoreAccess.h"
#include "tools/settings/ToolError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pwk::MemorySettingsStore store;
    pwk::fuzz::FillStore(store, pwk::ProductTitle, data, size);
    for (const char* name : {"show", "list", "dropped"}) {
        std::ostringstream out;
        pwk::settingstool::SettingsTool tool(pwk::settingstool::StoreAccess::Of(store, "fuzz.db"),
                                             nullptr, out);
        pwk::settingstool::SettingsCommand command;
        command.Name = name;
        try {
            tool.Run(command);
        } catch (const pwk::settingstool::ToolError&) {
        }
    }
    return 0;
}
