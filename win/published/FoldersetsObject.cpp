#include "win/published/FoldersetsObject.h"

#include "win/published/FoldersetObject.h"
#include "win/published/PublishedArgs.h"

namespace pwk::win {
namespace {

void Build(ServerObject& object, const std::shared_ptr<TrackedFoldersets>& sets) {
    object.Source(FoldersetsObject::Source);
    object.Member("nextRegIndex",
                  [sets](DispatchCall& call) { call.Return(sets->nextRegIndex()); });
    object.Member("CopyFrom", [sets](DispatchCall& call) {
        call.Return(sets->CopyFrom(OwnArg<TrackedFoldersets>(call, 0), NameSpaceArg(call, 1)));
    });
    object.Member("GetFailReason",
                  [sets](DispatchCall& call) { call.Return(sets->GetFailReason()); });
    object.Member("Count", [sets](DispatchCall& call) { call.Return(sets->Count()); });
    object.Member("Item", [sets](DispatchCall& call) {
        call.Return(Variant(FoldersetObject::Of(sets->Item(NumberArg(call, 0))).Get()));
    });
    object.Member("ItemByRegIndex", [sets](DispatchCall& call) {
        call.Return(Variant(FoldersetObject::Of(sets->ItemByRegIndex(NumberArg(call, 0))).Get()));
    });
    object.Member("Add", [sets](DispatchCall& call) {
        call.Return(sets->Add(OwnArg<TrackedFolderset>(call, 0), NameSpaceArg(call, 1)));
    });
    // AddByIDs(ContactEntryID, ContactStoreID, JournalEntryID, JournalStoreID, EmailEntryID,
    // EmailStoreID, Namespace[, RegIndex])
    object.Member("AddByIDs", [sets](DispatchCall& call) {
        call.Return(sets->AddByIDs(TextArg(call, 0), TextArg(call, 1), TextArg(call, 2),
                                   TextArg(call, 3), TextArg(call, 4), TextArg(call, 5),
                                   NameSpaceArg(call, 6), OptionalNumber(call, 7).value_or(-1)));
    });
    object.Member("Remove",
                  [sets](DispatchCall& call) { sets->Remove(OwnArg<TrackedFolderset>(call, 0)); });
    object.Member("RemoveByRegIndex",
                  [sets](DispatchCall& call) { sets->RemoveByRegIndex(NumberArg(call, 0)); });
    object.Member("Clear", [sets](DispatchCall&) { sets->Clear(); });
    // ReadFromReg(AppName, Namespace[, FolderstoreSection]); SaveToReg(AppName[, ...])
    object.Member("ReadFromReg", [sets](DispatchCall& call) {
        sets->ReadFromReg(TextArg(call, 0), NameSpaceArg(call, 1),
                          TextArg(call, 2, TrackedFoldersets::DefaultSection));
    });
    object.Member("SaveToReg", [sets](DispatchCall& call) {
        sets->SaveToReg(TextArg(call, 0), TextArg(call, 1, TrackedFoldersets::DefaultSection));
    });
}

}  // namespace

ComPtr<IDispatch> FoldersetsObject::Of(const std::shared_ptr<TrackedFoldersets>& foldersets) {
    return OwnObjects::Instance().Publish(
        foldersets, [&foldersets](ServerObject& object) { Build(object, foldersets); });
}

}  // namespace pwk::win
