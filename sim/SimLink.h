#pragma once

#include <memory>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimItemState.h"
#include "src/host/Link.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// A link from an item to a contact.
class SimLink : public SimBase<host::Link> {
  public:
    SimLink(std::shared_ptr<SimCore> core, std::shared_ptr<SimItemState> target)
        : SimBase<host::Link>(std::move(core)), target_(std::move(target)) {}

    int Type() override {
        Enter("Type");
        return host::LinkTypeContact;
    }
    Ref<host::HostObject> Item() override {
        if (EnterGetter("Item")) {
            return nullptr;
        }
        return target_->Self<host::HostObject>();
    }

    std::string AuditName() const override { return target_->AuditName(); }
    const std::shared_ptr<SimItemState>& Target() const { return target_.get(); }

  private:
    Owned<SimItemState> target_;
};

}  // namespace pwk::sim
