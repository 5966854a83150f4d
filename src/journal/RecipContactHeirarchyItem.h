#pragma once

#include <memory>
#include <vector>

#include "src/util/Ref.h"

namespace pwk {

class TrackedFolderset;

namespace host {
class ContactItem;
}  // namespace host

// One group of a sent mail's contact hierarchy: the contacts to be linked for one e-mails
// folder, and the folderset whose e-mails and journal folders the group uses. A contact
// matched by several recipients appears once for each.
class RecipContactHeirarchyItem {
  public:
    const std::shared_ptr<TrackedFolderset>& OwnerFolderset() const { return ownerFolderset_; }
    void SetOwnerFolderset(std::shared_ptr<TrackedFolderset> folderset) {
        ownerFolderset_ = std::move(folderset);
    }
    std::vector<Ref<host::ContactItem>>& Contacts() { return contacts_; }

  private:
    // Declared in this order so that the contacts are released before the folderset.
    std::shared_ptr<TrackedFolderset> ownerFolderset_;
    std::vector<Ref<host::ContactItem>> contacts_;
};

// The groups of one handler call, in the order each e-mails folder was first met; no two
// groups share an e-mails folder.
using ContactHierarchy = std::vector<std::shared_ptr<RecipContactHeirarchyItem>>;

}  // namespace pwk
