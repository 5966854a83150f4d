#pragma once

#include "src/host/DistListItem.h"
#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

class DispatchDistListItem final : public DispatchItem<host::DistListItem> {
  public:
    using DispatchItem::DispatchItem;
};

}  // namespace pwk::win
