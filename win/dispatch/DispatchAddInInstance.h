#pragma once

#include "src/host/AddIn.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchAddInInstance final : public DispatchAdapter<host::AddInInstance> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::string ProgID() override { return Str("ProgId"); }
    std::string Description() override { return Str("Description"); }
};

}  // namespace pwk::win
