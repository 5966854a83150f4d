#pragma once

#include <memory>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimCollection.h"
#include "sim/SimItemState.h"
#include "src/host/Selection.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The items selected in an explorer when it was asked: a new snapshot on every request.
class SimSelection : public SimBase<host::Selection> {
  public:
    SimSelection(std::shared_ptr<SimCore> core, std::vector<Owned<SimItemState>> items)
        : SimBase<host::Selection>(std::move(core)), items_(std::move(items)) {}

    std::int32_t Count() override {
        Enter("Count");
        return SimCollection::Count(items_);
    }
    Ref<host::Item> Item(std::int32_t index) override {
        if (EnterGetter("Item")) {
            return nullptr;
        }
        return SimCollection::At(items_, index, "Selection.Item")->AsItem();
    }

  private:
    std::vector<Owned<SimItemState>> items_;
};

}  // namespace pwk::sim
