#include "src/hooks/FolderIdentity.h"

#include "src/host/HostTypes.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"

namespace pwk {

bool SameFolder(const Ref<host::MAPIFolder>& a, const Ref<host::MAPIFolder>& b) {
    const bool sameEntry = a->EntryID() == b->EntryID();
    const bool sameStore = a->StoreID() == b->StoreID();
    return sameEntry && sameStore;
}

bool IsDefaultInbox(const Ref<host::MAPIFolder>& folder, const Ref<host::NameSpace>& nameSpace) {
    const Ref<host::MAPIFolder> inbox = nameSpace->GetDefaultFolder(host::DefaultFolder::Inbox);
    return SameFolder(folder, inbox);
}

}  // namespace pwk
