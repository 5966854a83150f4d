#pragma once

#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

class MAPIFolder;

// The "MAPI" namespace: the way to the folders of every open store.
class NameSpace : public HostObject {
  public:
    std::string TypeName() const override { return "NameSpace"; }
    std::string Text() const override { return "MAPI"; }

    virtual Ref<MAPIFolder> GetDefaultFolder(int folderKind) = 0;
    // Fails when the identifiers name no folder.
    virtual Ref<MAPIFolder> GetFolderFromID(const std::string& entryId,
                                            const std::string& storeId) = 0;
    // The mail client's own folder picker: the folder the user chose, or nothing when the user
    // cancelled.
    virtual Ref<MAPIFolder> PickFolder() = 0;
};

}  // namespace pwk::host
