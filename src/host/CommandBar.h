#pragma once

#include <memory>
#include <string>

#include "src/host/FindControlQuery.h"
#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBarControls;
class CommandBarControl;

class CommandBar : public HostObject {
  public:
    std::string TypeName() const override { return "CommandBar"; }

    virtual std::string Name() = 0;
    virtual Ref<CommandBarControls> Controls() = 0;
    // The first control matching every given criterion (searching sub-menus when recursive);
    // empty when none does.
    virtual Ref<CommandBarControl> FindControl(const FindControlQuery& query) = 0;
};

}  // namespace pwk::host
