#pragma once

#include "src/host/Item.h"
#include "src/host/Items.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchItems final : public DispatchAdapter<host::Items> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::Item> Item(std::int32_t index) override { return Object<host::Item>("Item", index); }
    Ref<host::Item> Find(const std::string& filter) override {
        return CallObject<host::Item>("Find", filter);
    }
    Ref<host::Item> Add(std::optional<host::ItemType> type) override {
        std::optional<std::int32_t> number;
        if (type) {
            number = static_cast<std::int32_t>(*type);
        }
        return CallObject<host::Item>("Add", number);
    }
    Connection Advise(host::ItemsEvents& sink) override { return AdviseItems(Dispatch(), sink); }
};

}  // namespace pwk::win
