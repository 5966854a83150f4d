#pragma once

#include "src/host/Items.h"
#include "src/host/MAPIFolder.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchFolder final : public DispatchAdapter<host::MAPIFolder> {
  public:
    using DispatchAdapter::DispatchAdapter;
    Ref<host::HostObject> Parent() override { return Object<host::HostObject>("Parent"); }
    host::ItemType DefaultItemType() override {
        return static_cast<host::ItemType>(Int("DefaultItemType"));
    }
    std::string EntryID() override { return Str("EntryID"); }
    std::string StoreID() override { return Str("StoreID"); }
    std::string Name() override { return Str("Name"); }
    Ref<host::Items> GetItems() override { return Object<host::Items>("Items"); }
};

}  // namespace pwk::win
