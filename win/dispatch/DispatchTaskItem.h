#pragma once

#include "src/host/TaskItem.h"
#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

class DispatchTaskItem final : public DispatchItem<host::TaskItem> {
  public:
    using DispatchItem::DispatchItem;
};

}  // namespace pwk::win
