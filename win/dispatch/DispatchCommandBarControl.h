#pragma once

#include "win/dispatch/DispatchControl.h"

namespace pwk::win {

// A control of a kind the add-in only finds and reads (a built-in command, a combo box).
class DispatchCommandBarControl final : public DispatchControl<host::CommandBarControl> {
  public:
    using DispatchControl::DispatchControl;
};

}  // namespace pwk::win
