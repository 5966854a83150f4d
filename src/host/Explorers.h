#pragma once

#include <cstdint>
#include <memory>

#include "src/host/Events.h"
#include "src/host/HostObject.h"
#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Explorer;

// The host's open explorer windows, numbered from 1.
class Explorers : public HostObject {
  public:
    std::string TypeName() const override { return "Explorers"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<Explorer> Item(std::int32_t index) = 0;  // 9 when out of range

    virtual Connection Advise(ExplorersEvents& sink) = 0;
};

}  // namespace pwk::host
