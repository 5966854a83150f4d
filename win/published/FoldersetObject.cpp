#include "win/published/FoldersetObject.h"

#include <string>

#include "src/host/MAPIFolder.h"
#include "win/dispatch/DispatchHolder.h"
#include "win/published/PublishedArgs.h"

namespace pwk::win {
namespace {

using Folderset = std::shared_ptr<TrackedFolderset>;
using Text = const std::string& (TrackedFolderset::*)() const;
using Folder = Ref<host::MAPIFolder> (TrackedFolderset::*)(const Ref<host::NameSpace>&) const;
using FolderName = std::string (TrackedFolderset::*)(const Ref<host::NameSpace>&);

void AddText(ServerObject& object, const char* name, const Folderset& folderset, Text text) {
    object.Member(name,
                  [folderset, text](DispatchCall& call) { call.Return(((*folderset).*text)()); });
}

void AddFolder(ServerObject& object, const char* name, const Folderset& folderset, Folder folder) {
    object.Member(name, [folderset, folder](DispatchCall& call) {
        const Ref<host::MAPIFolder> found = ((*folderset).*folder)(NameSpaceArg(call, 0));
        call.Return(Variant(DispatchOf(found.get())));
    });
}

void AddFolderName(ServerObject& object, const char* name, const Folderset& folderset,
                   FolderName folderName) {
    object.Member(name, [folderset, folderName](DispatchCall& call) {
        call.Return(((*folderset).*folderName)(NameSpaceArg(call, 0)));
    });
}

void Build(ServerObject& object, const Folderset& folderset) {
    object.Source(FoldersetObject::Source);
    object.Member("CopyFrom", [folderset](DispatchCall& call) {
        folderset->CopyFrom(OwnArg<TrackedFolderset>(call, 0));
    });
    // SetIDs(ContactEntryID, ContactStoreID, JournalEntryID, JournalStoreID, EmailEntryID,
    // EmailStoreID, AttachDir, RegIndex)
    object.Member("SetIDs", [folderset](DispatchCall& call) {
        folderset->SetIDs(TextArg(call, 0), TextArg(call, 1), TextArg(call, 2), TextArg(call, 3),
                          TextArg(call, 4), TextArg(call, 5), TextArg(call, 6), NumberArg(call, 7));
    });
    object.Member("Equals", [folderset](DispatchCall& call) {
        call.Return(folderset->Equals(OwnArg<TrackedFolderset>(call, 0)));
    });
    AddText(object, "getContactFoldEntryID", folderset, &TrackedFolderset::getContactFoldEntryID);
    AddText(object, "getContactFoldStoreID", folderset, &TrackedFolderset::getContactFoldStoreID);
    AddText(object, "getJournFoldEntryID", folderset, &TrackedFolderset::getJournFoldEntryID);
    AddText(object, "getJournFoldStoreID", folderset, &TrackedFolderset::getJournFoldStoreID);
    AddText(object, "getEmailFoldEntryID", folderset, &TrackedFolderset::getEmailFoldEntryID);
    AddText(object, "getEmailFoldStoreID", folderset, &TrackedFolderset::getEmailFoldStoreID);
    AddText(object, "getAttachDir", folderset, &TrackedFolderset::getAttachDir);
    AddFolder(object, "ContactMAPIFolder", folderset, &TrackedFolderset::ContactMAPIFolder);
    AddFolder(object, "JournMAPIFolder", folderset, &TrackedFolderset::JournMAPIFolder);
    AddFolder(object, "EmailMAPIFolder", folderset, &TrackedFolderset::EmailMAPIFolder);
    object.Member("MAPIFoldersExist", [folderset](DispatchCall& call) {
        call.Return(folderset->MAPIFoldersExist(NameSpaceArg(call, 0)));
    });
    AddFolderName(object, "ContactFolderName", folderset, &TrackedFolderset::ContactFolderName);
    AddFolderName(object, "JournalFolderName", folderset, &TrackedFolderset::JournalFolderName);
    AddFolderName(object, "EmailFolderName", folderset, &TrackedFolderset::EmailFolderName);
    object.Member("getRegIndex",
                  [folderset](DispatchCall& call) { call.Return(folderset->getRegIndex()); });
}

}  // namespace

ComPtr<IDispatch> FoldersetObject::Of(const std::shared_ptr<TrackedFolderset>& folderset) {
    return OwnObjects::Instance().Publish(
        folderset, [&folderset](ServerObject& object) { Build(object, folderset); });
}

}  // namespace pwk::win
