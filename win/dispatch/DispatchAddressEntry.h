#pragma once

#include "src/host/AddressEntry.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchAddressEntry final : public DispatchAdapter<host::AddressEntry> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::string Name() override { return Str("Name"); }
    std::string Address() override { return Str("Address"); }
    std::string Type() override { return Str("Type"); }
};

}  // namespace pwk::win
