#pragma once

#include <cstdint>
#include <memory>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Link;
class ContactItem;

// The contacts an item is linked to.
class Links : public HostObject {
  public:
    std::string TypeName() const override { return "Links"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<Link> Item(std::int32_t index) = 0;  // 9 when out of range
    virtual Ref<Link> Add(const Ref<ContactItem>& contact) = 0;
};

}  // namespace pwk::host
