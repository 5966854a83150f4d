#pragma once

#include <memory>
#include <string>

#include "src/host/FindControlQuery.h"
#include "src/host/HostObject.h"

namespace pwk::host {

class CommandBarControls;
class CommandBarControl;

class CommandBar : public HostObject {
  public:
    std::string TypeName() const override { return "CommandBar"; }

    virtual std::string Name() = 0;
    virtual std::shared_ptr<CommandBarControls> Controls() = 0;
    // The first control matching every given criterion (searching sub-menus when recursive);
    // empty when none does.
    virtual std::shared_ptr<CommandBarControl> FindControl(const FindControlQuery& query) = 0;
};

}  // namespace pwk::host
