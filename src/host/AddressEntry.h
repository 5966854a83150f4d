#pragma once

#include <string>

#include "src/host/HostObject.h"

namespace pwk::host {

// The address-book entry behind a recipient.
class AddressEntry : public HostObject {
  public:
    std::string TypeName() const override { return "AddressEntry"; }

    virtual std::string Name() = 0;
    virtual std::string Address() = 0;
    virtual std::string Type() = 0;  // "SMTP", "EX", ...
};

}  // namespace pwk::host
