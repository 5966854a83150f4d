#pragma once

#include <string>

#include "src/host/Item.h"

namespace pwk::host {

// A task. The add-in uses nothing of it beyond what every item offers, but tells it apart.
class TaskItem : public Item {
  public:
    std::string TypeName() const override { return "TaskItem"; }
};

}  // namespace pwk::host
