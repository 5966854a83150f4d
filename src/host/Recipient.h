#pragma once

#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class AddressEntry;

class Recipient : public HostObject {
  public:
    std::string TypeName() const override { return "Recipient"; }

    virtual std::string Name() = 0;
    virtual std::string Address() = 0;
    virtual Ref<AddressEntry> GetAddressEntry() = 0;
};

}  // namespace pwk::host
