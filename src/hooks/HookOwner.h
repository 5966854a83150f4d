#pragma once

#include <memory>
#include <string>

#include "src/journal/JournalOwner.h"
#include "src/util/Ref.h"

namespace pwk {

class RegSettings;

namespace host {
class MAPIFolder;
class NameSpace;
}  // namespace host

// What the window hooks ask of the add-in's application object, which owns them: the ProgID
// their buttons carry, the settings, the namespace, the folder test and the rest of what the
// journal writers need (JournalOwner), and where to report that their window closed. The
// application object implements it; a hook holds it strongly until it is killed, and the
// application object's release order breaks that cycle.
class HookOwner : public JournalOwner {
  public:
    virtual ~HookOwner() = default;

    virtual const std::string& ProgID() const = 0;
    virtual std::shared_ptr<RegSettings> theRegSettings() const = 0;
    virtual Ref<host::NameSpace> dbgGetMapiNamespace() = 0;
    virtual void ExplorerClosed(const std::string& key) = 0;
    virtual void InspectorClosed(const std::string& key) = 0;
};

}  // namespace pwk
