#pragma once

#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchRecipients final : public DispatchAdapter<host::Recipients> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::Recipient> Item(std::int32_t index) override {
        return Object<host::Recipient>("Item", index);
    }
    Ref<host::Recipient> Add(const std::string& address) override {
        return CallObject<host::Recipient>("Add", address);
    }
};

}  // namespace pwk::win
