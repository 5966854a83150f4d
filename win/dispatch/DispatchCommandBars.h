#pragma once

#include "src/host/CommandBar.h"
#include "src/host/CommandBars.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchCommandBars final : public DispatchAdapter<host::CommandBars> {
  public:
    using DispatchAdapter::DispatchAdapter;
    Ref<host::CommandBar> Item(const std::string& name) override {
        return Object<host::CommandBar>("Item", name);
    }
};

}  // namespace pwk::win
