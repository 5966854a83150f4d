#pragma once

#include <memory>

#include "src/host/HostTypes.h"

namespace pwk::sim {

class SimCore;
class SimItemState;

// Makes a new, unsaved item of a kind, with the values the host gives new items.
class SimItemFactory {
  public:
    // Fails (5) for a kind the host cannot make.
    static std::shared_ptr<SimItemState> New(const std::shared_ptr<SimCore>& core,
                                             host::ItemType type);
    // An empty item of the kind, without any default value (for the mailbox loader and Copy).
    static std::shared_ptr<SimItemState> Blank(const std::shared_ptr<SimCore>& core,
                                               host::ItemType type);
};

}  // namespace pwk::sim
