#pragma once

#include "src/host/ContactItem.h"
#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

class DispatchContactItem final : public DispatchItem<host::ContactItem> {
  public:
    using DispatchItem::DispatchItem;
    std::string FullName() override { return Str("FullName"); }
    std::string CompanyName() override { return Str("CompanyName"); }
    std::string Email1Address() override { return Str("Email1Address"); }
    std::string Email2Address() override { return Str("Email2Address"); }
    std::string Email3Address() override { return Str("Email3Address"); }
};

}  // namespace pwk::win
