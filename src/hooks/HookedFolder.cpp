#include "src/hooks/HookedFolder.h"

#include "src/hooks/HookOwner.h"
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

void HookedFolder::Items_ItemAdd(const Ref<host::Item>& /*item*/) {
    // Journaling of mail that reaches the folder is not built yet; until then an added item is
    // seen and left alone.
}

}  // namespace pwk
