#pragma once

#include <memory>
#include <string>

#include "src/platform/AutomationObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

inline constexpr const char* MapiSessionProgID = "MAPI.Session";

// The host's messaging library, used to read the sender of a received message.
class MapiMessage : public AutomationObject {
  public:
    virtual std::string SenderAddress() = 0;  // Sender.Address
};

class MapiSession : public AutomationObject {
  public:
    // Logs on to the running host's profile without showing a dialog.
    virtual void Logon(const std::string& profileName = "", bool showDialog = false,
                       bool newSession = false) = 0;
    // Fails when the identifiers name no message.
    virtual Ref<MapiMessage> GetMessage(const std::string& entryId, const std::string& storeId) = 0;
    virtual void Logoff() = 0;
};

}  // namespace pwk::host
