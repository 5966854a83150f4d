#pragma once

#include <memory>

#include "sim/Owned.h"
#include "sim/SimObject.h"
#include "src/host/MapiSession.h"

namespace pwk::sim {

class SimItemState;

// A message as the messaging library opens it. Its sender is the mail's SenderEmailAddress;
// a mail without one (a draft, a sent mail) has no sender and Sender fails.
class SimMapiMessage : public host::MapiMessage, public SimObject {
  public:
    SimMapiMessage(std::shared_ptr<SimCore> core, std::shared_ptr<SimItemState> item);
    ~SimMapiMessage() override;

    std::string SenderAddress() override;

    std::string AuditType() const override { return "MapiMessage"; }
    std::string AuditName() const override;

  private:
    Owned<SimItemState> item_;
};

}  // namespace pwk::sim
