#pragma once

#include "src/platform/AutomationObject.h"
#include "win/dispatch/DispatchHolder.h"

namespace pwk::win {

// A component created by ProgID that the add-in only hands on (to the host, for instance).
class DispatchAutomationObject final : public AutomationObject, public DispatchHolder {
  public:
    using DispatchHolder::DispatchHolder;
};

}  // namespace pwk::win
