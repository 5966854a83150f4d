#pragma once

#include "src/host/CommandBarControls.h"
#include "src/host/CommandBarPopup.h"
#include "win/dispatch/DispatchControl.h"

namespace pwk::win {

class DispatchCommandBarPopup final : public DispatchControl<host::CommandBarPopup> {
  public:
    using DispatchControl::DispatchControl;
    Ref<host::CommandBarControls> Controls() override {
        return Object<host::CommandBarControls>("Controls");
    }
};

}  // namespace pwk::win
