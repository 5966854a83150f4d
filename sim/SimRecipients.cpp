#include "sim/SimRecipients.h"
#include "src/util/Ref.h"

#include "sim/SimCollection.h"

namespace pwk::sim {

std::int32_t SimRecipients::Count() {
    Enter("Count");
    return SimCollection::Count(recipients_);
}

Ref<host::Recipient> SimRecipients::Item(std::int32_t index) {
    if (EnterGetter("Item")) {
        return nullptr;
    }
    return SimCollection::At(recipients_, index, "Recipients.Item").get();
}

Ref<host::Recipient> SimRecipients::Add(const std::string& address) {
    if (EnterGetter("Add")) {
        return nullptr;
    }
    if (address.empty()) {
        Raise(FailureNumber::InvalidProcedureCall, "Recipients.Add");
    }
    const bool resolved = address.find('@') != std::string::npos;
    return AddRecipient(address, resolved ? address : std::string(), RecipientKind::To);
}

std::shared_ptr<SimRecipient> SimRecipients::AddRecipient(const std::string& name,
                                                          const std::string& address,
                                                          RecipientKind kind) {
    recipients_.emplace_back(MakeSim<SimRecipient>(CorePtr(), name, address, kind));
    return recipients_.back().get();
}

void SimRecipients::CopyFrom(const SimRecipients& other) {
    for (const auto& recipient : other.recipients_) {
        AddRecipient(recipient->DisplayName(), recipient->AddressText(), recipient->Kind());
    }
}

}  // namespace pwk::sim
