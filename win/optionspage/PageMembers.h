#pragma once

#include <memory>

#include "win/automation/DispatchObject.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

class PageBinding;

// The options page's members over IDispatch, numbered in this order (the type library's
// _PWKProps): Initialize(Application, Settings, HelpFile, ErrorObject by reference, AppInfo) as
// the add-in calls it, then what the page shows and the changes a user makes on it, named
// after the page's logic, each answering as the logic does: Caption, AppTitle, AppVersion,
// Loaded, FoldersetCount, FoldersetPath(position, part 1 contacts, 2 journal, 3 e-mails, 4
// attachment folder), SwitchCount, SwitchName(i), Switch(name), SetSwitch(name, on), LogLevel,
// SetLogLevel(text), LogPath, LogFilename, SetLogLocation(path, filename), AddPicked(attachDir),
// Remove(position), Dirty, Apply, Message. None shows a box: a refusal is a false answer and
// Message.
ComPtr<ServerObject> MakePageMembers(const std::shared_ptr<PageBinding>& binding);

}  // namespace pwk::win
