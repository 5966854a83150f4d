#pragma once

#include <memory>
#include <string>

#include "src/tracking/TrackedFolderLookup.h"
#include "src/util/Ref.h"

namespace pwk {

class RegSettings;

namespace host {
class Application;
class ContactItem;
class MailItem;
class NameSpace;
}  // namespace host

// What the window hooks ask of the add-in's application object, which owns them: the ProgID
// their buttons carry, the settings, the host application and namespace, the tracked-folder
// questions over the current settings, where to report that their window closed, and the
// contact actions behind the buttons. The application object implements it; a hook holds it
// strongly until it is killed, and the application object's release order breaks that cycle.
class HookOwner {
  public:
    virtual ~HookOwner() = default;

    virtual const std::string& ProgID() const = 0;
    virtual std::shared_ptr<RegSettings> theRegSettings() const = 0;
    virtual Ref<host::Application> OutlookApplication() = 0;
    virtual Ref<host::NameSpace> dbgGetMapiNamespace() = 0;
    virtual TrackedFolderLookup TrackedFolders() = 0;
    virtual void ExplorerClosed(const std::string& key) = 0;
    virtual void InspectorClosed(const std::string& key) = 0;

    // The contact actions.
    virtual void NewPhoneCall(const Ref<host::ContactItem>& contactItem) = 0;
    virtual void NewEmail(const Ref<host::ContactItem>& contactItem) = 0;
    virtual void NewJournalEntry(const Ref<host::ContactItem>& contactItem) = 0;
    virtual void NewFileLink(const Ref<host::ContactItem>& contactItem) = 0;
    virtual void NewAppointment(const Ref<host::ContactItem>& contactItem) = 0;
    virtual void LogIncoming(const Ref<host::MailItem>& mailItem) = 0;
};

}  // namespace pwk
