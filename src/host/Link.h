#pragma once

#include <memory>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Link : public HostObject {
  public:
    std::string TypeName() const override { return "Link"; }

    virtual int Type() = 0;  // LinkTypeContact for a contact
    virtual Ref<HostObject> Item() = 0;
};

}  // namespace pwk::host
