#pragma once

#include <memory>

#include "src/util/Ref.h"

namespace pwk {

class TrackedFolderset;

namespace host {
class Application;
class ContactItem;
class MAPIFolder;
}  // namespace host

// What the journal writers need from the application object that calls them: whether a folder
// is a tracked contacts folder, the folderset of a contact, and the host application.
class JournalOwner {
  public:
    virtual bool IsTrackedFolder(const Ref<host::MAPIFolder>& contactFolder) = 0;
    virtual std::shared_ptr<TrackedFolderset> GetTrackedFoldersetForContact(
        const Ref<host::ContactItem>& ctc) = 0;
    virtual Ref<host::Application> OutlookApplication() = 0;

  protected:
    ~JournalOwner() = default;
};

}  // namespace pwk
