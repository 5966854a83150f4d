#pragma once

#include "src/host/Inspector.h"
#include "src/host/Inspectors.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchInspectors final : public DispatchAdapter<host::Inspectors> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::Inspector> Item(std::int32_t index) override {
        return Object<host::Inspector>("Item", index);
    }
    Connection Advise(host::InspectorsEvents& sink) override {
        return AdviseInspectors(Dispatch(), sink);
    }
};

}  // namespace pwk::win
