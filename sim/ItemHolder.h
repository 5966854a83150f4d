#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimObject.h"
#include "src/host/HostTypes.h"

namespace pwk::sim {

class SimItemState;

// A folder as the items in it and its Items collection see it: where it stands (the store and
// the path an item's identifier is made of), its items in folder order, and the calls that
// take an item in, let it go and keep the folder's index in step with an item's fields.
// SimFolder is the one implementation; the items and the collection stand below it.
class ItemHolder : public SimObject {
  public:
    virtual const std::string& StoreName() const = 0;
    virtual const std::string& StoreId() const = 0;
    // The full path, store name first: "Acme Public/Customers/Contacts".
    virtual std::string Path() const = 0;
    virtual host::ItemType DefaultType() const = 0;

    virtual const std::vector<Owned<SimItemState>>& Contents() const = 0;
    // Takes the item in at the end; raises ItemAdd once the host is idle when `notify`.
    virtual void Insert(const std::shared_ptr<SimItemState>& item, bool notify) = 0;
    virtual void Remove(SimItemState& item) = 0;
    virtual void Reindex(SimItemState& item, const std::string& field, const std::string& from,
                         const std::string& to) = 0;
    // The first item in folder order whose text field equals `value`, letter case ignored:
    // through the index for the indexed fields, by a scan for the others.
    virtual std::shared_ptr<SimItemState> FindFirst(const std::string& field,
                                                    const std::string& value) const = 0;

  protected:
    using SimObject::SimObject;
};

}  // namespace pwk::sim
