#pragma once

#include <memory>

#include "src/host/Events.h"
#include "src/host/Items.h"
#include "src/host/MAPIFolder.h"
#include "src/util/Ref.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookOwner;

// Watches the items of one folder (the default Sent Items) for mail arriving there.
class HookedFolder : private host::ItemsEvents {
  public:
    explicit HookedFolder(Component& component)
        : component_(component), items_(static_cast<host::ItemsEvents&>(*this)) {}

    // Failures go back to the caller.
    void Initialize(const std::shared_ptr<HookOwner>& addinApp,
                    const Ref<host::MAPIFolder>& folder);
    void Kill();

    const Ref<host::MAPIFolder>& Folder() const { return folder_; }

    // Hands a mail added to the folder to the sent-mail journal; any failure ends it silently.
    void Items_ItemAdd(const Ref<host::Item>& item);

  private:
    void ItemAdd(const Ref<host::Item>& item) override { Items_ItemAdd(item); }

    Component& component_;
    std::shared_ptr<HookOwner> addinApp_;
    Ref<host::MAPIFolder> folder_;
    WithEvents<host::Items, host::ItemsEvents> items_;
};

}  // namespace pwk
