#pragma once

#include "src/host/MapiSession.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchMapiSession final : public DispatchAdapter<host::MapiSession> {
  public:
    using DispatchAdapter::DispatchAdapter;
    // No profile name: the session of the running host.
    void Logon(const std::string& profileName, bool showDialog, bool newSession) override {
        const Variant profile =
            profileName.empty() ? Variant(Variant::Missing{}) : Variant(profileName);
        Call("Logon", profile, Variant::Missing{}, showDialog, newSession);
    }
    Ref<host::MapiMessage> GetMessage(const std::string& entryId,
                                      const std::string& storeId) override {
        return CallObject<host::MapiMessage>("GetMessage", entryId, storeId);
    }
    void Logoff() override { Call("Logoff"); }
};

}  // namespace pwk::win
