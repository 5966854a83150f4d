#pragma once

#include <string>

#include "src/host/Item.h"

namespace pwk::host {

class ContactItem : public Item {
  public:
    std::string TypeName() const override { return "ContactItem"; }

    virtual std::string FullName() = 0;
    virtual std::string CompanyName() = 0;
    virtual std::string Email1Address() = 0;
    virtual std::string Email2Address() = 0;
    virtual std::string Email3Address() = 0;
};

}  // namespace pwk::host
