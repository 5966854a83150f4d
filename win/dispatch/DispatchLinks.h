#pragma once

#include "src/host/ContactItem.h"
#include "src/host/Link.h"
#include "src/host/Links.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchLinks final : public DispatchAdapter<host::Links> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::Link> Item(std::int32_t index) override { return Object<host::Link>("Item", index); }
    Ref<host::Link> Add(const Ref<host::ContactItem>& contact) override {
        return CallObject<host::Link>("Add", DispatchOf(contact.get()));
    }
};

}  // namespace pwk::win
