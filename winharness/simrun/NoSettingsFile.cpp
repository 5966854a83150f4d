// The scenario runner on Windows has no SQLite store: its settings live in memory, or with
// --com in the component's own registry store.
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/SettingsFile.h"

namespace pwk::scenario {

std::shared_ptr<SettingsStore> OpenSettingsFile(const std::string& /*path*/) {
    throw CommandError(
        "settings files are SQLite files, which this build of the runner cannot "
        "open");
}

std::vector<std::string> DumpSettingsFile(SettingsStore& /*store*/,
                                          const std::string& /*appName*/) {
    throw CommandError("there is no settings file in this build of the runner");
}

}  // namespace pwk::scenario
