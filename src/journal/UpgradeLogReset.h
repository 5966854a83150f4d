#pragma once

#include <string>

namespace pwk {

class Component;

namespace PWKGlobal {

// The full path of the current error log: LogPath (with one "\" before the name), LogFilename,
// and the current date in DateFormat when one is set. Computed afresh on every call.
std::string GetLogFilePath(Component& component);

// After an upgrade: offers a backup of the error log, then erases it, whatever the answer.
// Only the copy and the deletion are guarded; their failures become messages to the user.
void ResetLogAfterUpgrade(Component& component);

}  // namespace PWKGlobal
}  // namespace pwk
