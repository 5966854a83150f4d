#pragma once

#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBar;

// A window's command bars.
class CommandBars : public HostObject {
  public:
    std::string TypeName() const override { return "CommandBars"; }

    // The bar of that name ("Standard", "Menu Bar"); fails (5) when there is none.
    virtual Ref<CommandBar> Item(const std::string& name) = 0;
};

}  // namespace pwk::host
