#pragma once

#include <memory>

#include "src/host/CommandBarControl.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBarControls;

// A menu: a control holding controls of its own.
class CommandBarPopup : public CommandBarControl {
  public:
    std::string TypeName() const override { return "CommandBarPopup"; }

    virtual Ref<CommandBarControls> Controls() = 0;
};

}  // namespace pwk::host
