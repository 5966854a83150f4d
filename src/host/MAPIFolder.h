#pragma once

#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/host/HostTypes.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Items;

class MAPIFolder : public HostObject {
  public:
    std::string TypeName() const override { return "MAPIFolder"; }

    // The folder above, or the namespace for the top folder of a store.
    virtual Ref<HostObject> Parent() = 0;
    virtual ItemType DefaultItemType() = 0;
    virtual std::string EntryID() = 0;
    virtual std::string StoreID() = 0;
    virtual std::string Name() = 0;
    virtual Ref<Items> GetItems() = 0;
};

}  // namespace pwk::host
