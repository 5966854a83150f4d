#pragma once

#include <string>

#include "src/host/Item.h"

namespace pwk::host {

// A distribution list. The add-in uses nothing of it beyond what every item offers, but tells it
// apart.
class DistListItem : public Item {
  public:
    std::string TypeName() const override { return "DistListItem"; }
};

}  // namespace pwk::host
