#pragma once

#include <memory>
#include <string>

#include "src/host/Events.h"
#include "src/host/Explorer.h"
#include "src/util/Ref.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookedButtonSet;
class HookOwner;

namespace host {
class Application;
}  // namespace host

// Watches one explorer window: gives it the add-in's buttons and keeps them in
// step with what the user looks at (the contact buttons in a tracked contacts
// folder, enabled for one selected contact; the Log button in the default
// Inbox, enabled for one selected mail; nothing elsewhere), and reports the
// window's closing under the key the registry gave it.
class HookedExplorer : public std::enable_shared_from_this<HookedExplorer>,
                       private host::ExplorerEvents {
  public:
    explicit HookedExplorer(Component& component);

    void Initialize(const Ref<host::Application>& olApp, const std::shared_ptr<HookOwner>& addinApp,
                    const Ref<host::Explorer>& explorerToHook, const std::string& callbackKey);
    // Lets go of the window, its buttons, the host and the application object.
    void Kill();

    void MyExplorer_Close();
    void MyExplorer_FolderSwitch();
    void MyExplorer_SelectionChange();

    const std::string& CallbackKey() const { return callbackKey_; }
    const std::shared_ptr<HookedButtonSet>& ButtonSet() const { return buttonSet_; }

  private:
    void Close() override { MyExplorer_Close(); }
    void FolderSwitch() override { MyExplorer_FolderSwitch(); }
    void SelectionChange() override { MyExplorer_SelectionChange(); }
    void RetryHookIfNeeded();

    Component& component_;
    Ref<host::Application> olApp_;
    std::shared_ptr<HookOwner> addinApp_;
    WithEvents<host::Explorer, host::ExplorerEvents> myExplorer_;
    std::string callbackKey_;
    std::shared_ptr<HookedButtonSet> buttonSet_;
};

}  // namespace pwk
