#pragma once

#include <cstdint>
#include <memory>

#include "src/host/HostObject.h"

namespace pwk::host {

class Link;
class ContactItem;

// The contacts an item is linked to.
class Links : public HostObject {
  public:
    std::string TypeName() const override { return "Links"; }

    virtual std::int32_t Count() = 0;
    virtual std::shared_ptr<Link> Item(std::int32_t index) = 0;  // 9 when out of range
    virtual std::shared_ptr<Link> Add(const std::shared_ptr<ContactItem>& contact) = 0;
};

}  // namespace pwk::host
