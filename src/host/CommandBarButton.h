#pragma once

#include "src/host/CommandBarControl.h"
#include "src/host/Events.h"
#include "src/util/Connection.h"

namespace pwk::host {

class CommandBarButton : public CommandBarControl {
  public:
    std::string TypeName() const override { return "CommandBarButton"; }

    virtual Connection Advise(CommandBarButtonEvents& sink) = 0;
};

}  // namespace pwk::host
