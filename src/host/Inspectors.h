#pragma once

#include <cstdint>
#include <memory>

#include "src/host/Events.h"
#include "src/host/HostObject.h"
#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Inspector;

// The host's open inspector windows, numbered from 1.
class Inspectors : public HostObject {
  public:
    std::string TypeName() const override { return "Inspectors"; }

    virtual std::int32_t Count() = 0;
    virtual Ref<Inspector> Item(std::int32_t index) = 0;  // 9 when out of range

    virtual Connection Advise(InspectorsEvents& sink) = 0;
};

}  // namespace pwk::host
