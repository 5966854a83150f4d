#include "sim/SimMapiMessage.h"

#include "sim/HostError.h"
#include "sim/SimItemState.h"

namespace pwk::sim {

SimMapiMessage::SimMapiMessage(std::shared_ptr<SimCore> core, std::shared_ptr<SimItemState> item)
    : SimObject(std::move(core)), item_(std::move(item)) {}

SimMapiMessage::~SimMapiMessage() = default;

std::string SimMapiMessage::SenderAddress() {
    Enter("Sender");
    const std::string address = item_->Valid() ? item_->TextField("SenderEmailAddress") : "";
    if (address.empty()) {
        throw Failure(HostError::NotFound,
                      "[Collaboration Data Objects - [MAPI_E_NOT_FOUND(8004010F)]]",
                      "MapiMessage.Sender");
    }
    return address;
}

std::string SimMapiMessage::AuditName() const {
    return item_->AuditName();
}

}  // namespace pwk::sim
