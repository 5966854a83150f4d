#pragma once

#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchNameSpace final : public DispatchAdapter<host::NameSpace> {
  public:
    using DispatchAdapter::DispatchAdapter;
    Ref<host::MAPIFolder> GetDefaultFolder(int folderKind) override {
        return CallObject<host::MAPIFolder>("GetDefaultFolder", folderKind);
    }
    Ref<host::MAPIFolder> GetFolderFromID(const std::string& entryId,
                                          const std::string& storeId) override {
        return CallObject<host::MAPIFolder>("GetFolderFromID", entryId, storeId);
    }
    Ref<host::MAPIFolder> PickFolder() override {
        return CallObject<host::MAPIFolder>("PickFolder");
    }
};

}  // namespace pwk::win
