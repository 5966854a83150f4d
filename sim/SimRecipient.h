#pragma once

#include <memory>
#include <string>

#include "sim/Owned.h"
#include "sim/SimAddressEntry.h"
#include "sim/SimBase.h"
#include "src/host/Recipient.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// Where a recipient stands on a mail.
enum class RecipientKind { To = 1, Cc = 2, Bcc = 3 };

// One recipient of a mail. An unresolved recipient (a name without an address) has an empty
// Address; its address entry still carries the name.
class SimRecipient : public SimBase<host::Recipient> {
  public:
    SimRecipient(std::shared_ptr<SimCore> core, std::string name, std::string address,
                 RecipientKind kind)
        : SimBase<host::Recipient>(core),
          name_(std::move(name)),
          address_(std::move(address)),
          kind_(kind),
          entry_(MakeSim<SimAddressEntry>(core, name_, address_)) {}

    std::string Name() override {
        Enter("Name");
        return name_;
    }
    std::string Address() override {
        Enter("Address");
        return address_;
    }
    Ref<host::AddressEntry> GetAddressEntry() override {
        if (EnterGetter("AddressEntry")) {
            return nullptr;
        }
        return entry_.get();
    }

    std::string AuditName() const override { return name_; }
    const std::string& DisplayName() const { return name_; }
    const std::string& AddressText() const { return address_; }
    RecipientKind Kind() const { return kind_; }

  private:
    std::string name_;
    std::string address_;
    RecipientKind kind_;
    Owned<SimAddressEntry> entry_;
};

}  // namespace pwk::sim
