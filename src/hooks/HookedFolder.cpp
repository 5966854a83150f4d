#include "src/hooks/HookedFolder.h"

#include "src/errors/Procedure.h"
#include "src/hooks/HookOwner.h"
#include "src/host/MailItem.h"
#include "src/journal/SentMailJournal.h"
#include "src/tracking/RegSettings.h"
#include "src/util/Ref.h"

namespace pwk {

void HookedFolder::Initialize(const std::shared_ptr<HookOwner>& addinApp,
                              const Ref<host::MAPIFolder>& folder) {
    addinApp_ = addinApp;
    folder_ = folder;
    items_ = Deref(folder_).GetItems();
}

void HookedFolder::Kill() {
    folder_.reset();
    items_.Reset();
    addinApp_.reset();
}

void HookedFolder::Items_ItemAdd(const Ref<host::Item>& item) {
    Procedure::Ignoring([&] {
        if (!IsA<host::MailItem>(item)) {
            return;
        }
        HookOwner& app = Deref(addinApp_);
        const auto settings = app.theRegSettings();
        PWKGlobal::SentMailAddHandler(component_, app.TrackedFolders(), app.dbgGetMapiNamespace(),
                                      settings, Deref(settings).TrackedFoldersets(), item);
    });
}

}  // namespace pwk
