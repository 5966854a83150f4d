#pragma once

#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

// An item of a kind the add-in does not tell apart (a post, a report, a request).
class DispatchOtherItem final : public DispatchItem<host::Item> {
  public:
    using DispatchItem::DispatchItem;
    std::string TypeName() const override { return "Item"; }
};

}  // namespace pwk::win
