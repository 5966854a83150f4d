#include "sim/SimMapiSession.h"
#include "src/util/Ref.h"

#include "sim/HostError.h"
#include "sim/SimMapiMessage.h"
#include "sim/SimNameSpace.h"

namespace pwk::sim {

void SimMapiSession::Logon(const std::string& /*profileName*/, bool /*showDialog*/,
                           bool /*newSession*/) {
    Enter("Logon");
    if (mailbox_.expired()) {
        throw Failure(HostError::LogonFailed, "The logon failed.", "MapiSession.Logon");
    }
    loggedOn_ = true;
}

Ref<host::MapiMessage> SimMapiSession::GetMessage(const std::string& entryId,
                                                  const std::string& storeId) {
    if (EnterGetter("GetMessage")) {
        return nullptr;
    }
    auto mailbox = mailbox_.lock();
    if (!loggedOn_ || !mailbox) {
        throw Failure(HostError::NotLoggedOn,
                      "[Collaboration Data Objects - [MAPI_E_NOT_INITIALIZED(80040605)]]",
                      "MapiSession.GetMessage");
    }
    auto item = mailbox->ItemById(entryId, storeId);
    if (!item) {
        throw Failure(HostError::NotFound,
                      "[Collaboration Data Objects - [MAPI_E_NOT_FOUND(8004010F)]]",
                      "MapiSession.GetMessage");
    }
    return MakeSim<SimMapiMessage>(CorePtr(), item);
}

void SimMapiSession::Logoff() {
    Enter("Logoff");
    loggedOn_ = false;
}

}  // namespace pwk::sim
