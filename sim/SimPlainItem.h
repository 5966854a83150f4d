#pragma once

#include "sim/SimItemBase.h"
#include "src/host/DistListItem.h"
#include "src/host/NoteItem.h"
#include "src/host/TaskItem.h"

namespace pwk::sim {

// An item with nothing beyond what every item has: tasks, notes, distribution lists.
template <class Interface>
class SimPlainItem : public SimItemBase<Interface> {
  public:
    SimPlainItem(std::shared_ptr<SimCore> core, host::ItemType kind)
        : SimItemBase<Interface>(std::move(core), kind) {}
};

}  // namespace pwk::sim
