#include "winharness/simrun/ComSettingsHandBack.h"

#include "sim/SimApplication.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "src/tracking/SettingsLayout.h"
#include "src/util/Failure.h"
#include "tools/scenario/Lookup.h"
#include "win/combase/WideText.h"
#include "winharness/bridge/BridgeArgs.h"

namespace pwk::simrun {

namespace {

// A new object of the component's class `progId`, as a page makes one.
win::Variant Created(const std::string& progId) {
    CLSID clsid{};
    const auto object = SUCCEEDED(CLSIDFromProgID(win::Widen(progId).c_str(), &clsid))
                            ? win::ComPtr<IDispatch>::Create(clsid)
                            : win::ComPtr<IDispatch>();
    if (!object) {
        throw Failure(FailureNumber::CannotCreateObject,
                      "ActiveX component can't create object: " + progId);
    }
    return win::Variant(object.Get());
}

}  // namespace

ComSettingsHandBack::ComSettingsHandBack(const win::ComPtr<IDispatch>& live, sim::SimHost& host)
    : live_(win::Variant(live.Get())),
      application_(bridge::Bridged(host.Application().Shared())),
      nameSpace_(bridge::Bridged(scenario::Lookup::App(host)->MailboxPtr())) {}

void ComSettingsHandBack::Copy() {
    copy_ = std::make_unique<Settings>(Created(SettingsProgID));
    copy_->Call("UpdateFrom", win::Variant(live_.Dispatch()), application_);
}

ComSettingsHandBack::Foldersets ComSettingsHandBack::CopiedFoldersets() const {
    return Foldersets(copy_->Get(SettingsLayout::FoldersetsName));
}

bool ComSettingsHandBack::AddFolderset(const FolderIds& ids) {
    return CopiedFoldersets()
        .Call("AddByIDs", ids.ContactEntryId, ids.ContactStoreId, ids.JournalEntryId,
              ids.JournalStoreId, ids.EmailEntryId, ids.EmailStoreId, nameSpace_)
        .ToBool();
}

std::string ComSettingsHandBack::FailReason() {
    return CopiedFoldersets().Call("GetFailReason").ToString();
}

std::int32_t ComSettingsHandBack::Count() {
    return CopiedFoldersets().Get("Count").ToInt32();
}

void ComSettingsHandBack::RemoveFolderset(std::int32_t position) {
    const Foldersets foldersets = CopiedFoldersets();
    foldersets.Call("Remove", foldersets.Get("Item", position));
}

void ComSettingsHandBack::SetSwitch(const std::string& name, bool on) {
    copy_->Put(name, win::Variant(on));
}

void ComSettingsHandBack::HandBack() {
    live_.Call("UpdateFrom", win::Variant(copy_->Dispatch()), application_);
}

}  // namespace pwk::simrun
