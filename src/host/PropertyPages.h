#pragma once

#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

// The pages of the host's options dialog while it is being built.
class PropertyPages : public HostObject {
  public:
    std::string TypeName() const override { return "PropertyPages"; }

    virtual void Add(const Ref<AutomationObject>& page, const std::string& caption = "") = 0;
};

}  // namespace pwk::host
