#pragma once

#include "src/host/CommandBarButton.h"
#include "win/dispatch/DispatchControl.h"
#include "win/dispatch/HostEvents.h"

namespace pwk::win {

class DispatchCommandBarButton final : public DispatchControl<host::CommandBarButton> {
  public:
    using DispatchControl::DispatchControl;
    Connection Advise(host::CommandBarButtonEvents& sink) override {
        return AdviseButton(Dispatch(), sink);
    }
};

}  // namespace pwk::win
