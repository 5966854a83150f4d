#pragma once

#include "src/host/CommandBars.h"
#include "src/host/Inspector.h"
#include "src/host/Item.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchInspector final : public DispatchAdapter<host::Inspector> {
  public:
    using DispatchAdapter::DispatchAdapter;
    Ref<host::CommandBars> GetCommandBars() override {
        return Object<host::CommandBars>("CommandBars");
    }
    Ref<host::Item> CurrentItem() override { return Object<host::Item>("CurrentItem"); }
    int EditorType() override { return Int("EditorType"); }
    Connection Advise(host::InspectorEvents& sink) override {
        return AdviseInspector(Dispatch(), sink);
    }
};

}  // namespace pwk::win
