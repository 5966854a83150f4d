#pragma once

#include <cstdint>
#include <memory>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Item;

// The items selected in an explorer, numbered from 1.
class Selection : public HostObject {
  public:
    std::string TypeName() const override { return "Selection"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<host::Item> Item(std::int32_t index) = 0;  // 9 when out of range
};

}  // namespace pwk::host
