#pragma once

#include "sim/SimItemBase.h"
#include "src/host/MailItem.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// A mail. Copy makes a saved copy in the same folder; Move moves this very object (it keeps
// its EntryID) and returns it.
class SimMailItem : public SimItemBase<host::MailItem> {
  public:
    explicit SimMailItem(std::shared_ptr<SimCore> core)
        : SimItemBase(std::move(core), host::ItemType::Mail) {}

    Ref<host::Recipients> GetRecipients() override;
    Ref<host::Links> GetLinks() override;
    Ref<host::MailItem> Copy() override;
    Ref<host::MailItem> Move(const Ref<host::MAPIFolder>& folder) override;
};

}  // namespace pwk::sim
