#pragma once

#include <memory>
#include <string>

#include "sim/SimObject.h"
#include "src/host/MapiSession.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimNameSpace;

// The host's messaging library session: opens a message of the running host by its
// identifiers. Logon fails once the host has gone; GetMessage needs a logon.
class SimMapiSession : public host::MapiSession, public SimObject {
  public:
    SimMapiSession(std::shared_ptr<SimCore> core, std::weak_ptr<SimNameSpace> mailbox)
        : SimObject(std::move(core)), mailbox_(std::move(mailbox)) {}

    void Logon(const std::string& profileName, bool showDialog, bool newSession) override;
    Ref<host::MapiMessage> GetMessage(const std::string& entryId,
                                      const std::string& storeId) override;
    void Logoff() override;

    std::string AuditType() const override { return "MapiSession"; }

  private:
    std::weak_ptr<SimNameSpace> mailbox_;
    bool loggedOn_ = false;
};

}  // namespace pwk::sim
