#pragma once

#include "src/host/AddressEntry.h"
#include "src/host/Recipient.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchRecipient final : public DispatchAdapter<host::Recipient> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::string Name() override { return Str("Name"); }
    std::string Address() override { return Str("Address"); }
    Ref<host::AddressEntry> GetAddressEntry() override {
        return Object<host::AddressEntry>("AddressEntry");
    }
};

}  // namespace pwk::win
