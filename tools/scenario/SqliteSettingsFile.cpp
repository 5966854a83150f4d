#include "store/SqliteSettingsStore.h"
#include "tools/scenario/SettingsFile.h"

namespace pwk::scenario {

std::shared_ptr<SettingsStore> OpenSettingsFile(const std::string& path) {
    return std::make_shared<SqliteSettingsStore>(path);
}

std::vector<std::string> DumpSettingsFile(SettingsStore& store, const std::string& appName) {
    return dynamic_cast<SqliteSettingsStore&>(store).Dump(appName);
}

}  // namespace pwk::scenario
