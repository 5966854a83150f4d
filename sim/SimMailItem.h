#pragma once

#include "sim/SimItemBase.h"
#include "src/host/MailItem.h"

namespace pwk::sim {

// A mail. Copy makes a saved copy in the same folder; Move moves this very object (it keeps
// its EntryID) and returns it.
class SimMailItem : public SimItemBase<host::MailItem> {
  public:
    explicit SimMailItem(std::shared_ptr<SimCore> core)
        : SimItemBase(std::move(core), host::ItemType::Mail) {}

    std::shared_ptr<host::Recipients> GetRecipients() override;
    std::shared_ptr<host::Links> GetLinks() override;
    std::shared_ptr<host::MailItem> Copy() override;
    std::shared_ptr<host::MailItem> Move(const std::shared_ptr<host::MAPIFolder>& folder) override;
};

}  // namespace pwk::sim
