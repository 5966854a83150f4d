#pragma once

#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchExplorers final : public DispatchAdapter<host::Explorers> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::Explorer> Item(std::int32_t index) override {
        return Object<host::Explorer>("Item", index);
    }
    Connection Advise(host::ExplorersEvents& sink) override {
        return AdviseExplorers(Dispatch(), sink);
    }
};

}  // namespace pwk::win
