#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Recipient;

class Recipients : public HostObject {
  public:
    std::string TypeName() const override { return "Recipients"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<Recipient> Item(std::int32_t index) = 0;  // 9 when out of range
    virtual Ref<Recipient> Add(const std::string& address) = 0;
};

}  // namespace pwk::host
