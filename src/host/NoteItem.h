#pragma once

#include <string>

#include "src/host/Item.h"

namespace pwk::host {

// A sticky note. The add-in uses nothing of it beyond what every item offers, but tells it apart.
class NoteItem : public Item {
  public:
    std::string TypeName() const override { return "NoteItem"; }
};

}  // namespace pwk::host
