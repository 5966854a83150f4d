#pragma once

#include "sim/SimItemBase.h"
#include "src/host/ContactItem.h"

namespace pwk::sim {

class SimContactItem : public SimItemBase<host::ContactItem> {
  public:
    explicit SimContactItem(std::shared_ptr<SimCore> core)
        : SimItemBase(std::move(core), host::ItemType::Contact) {}

    std::string FullName() override { return Get("FullName"); }
    std::string CompanyName() override { return Get("CompanyName"); }
    std::string Email1Address() override { return Get("Email1Address"); }
    std::string Email2Address() override { return Get("Email2Address"); }
    std::string Email3Address() override { return Get("Email3Address"); }
};

}  // namespace pwk::sim
