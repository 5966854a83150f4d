#pragma once

#include <memory>
#include <string>
#include <vector>

namespace pwk {
class SettingsStore;
}

namespace pwk::scenario {

// The settings store in a file, for `settings FILE`: the SQLite store where the build has it
// (SqliteSettingsFile.cpp); a build without it refuses the command (CommandError).
std::shared_ptr<SettingsStore> OpenSettingsFile(const std::string& path);
// Every stored value of an application in a store OpenSettingsFile made, as sorted
// "section|key=value" lines.
std::vector<std::string> DumpSettingsFile(SettingsStore& store, const std::string& appName);

}  // namespace pwk::scenario
