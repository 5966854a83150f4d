#pragma once

#include <memory>
#include <string>

#include "src/host/Events.h"
#include "src/host/Explorer.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookOwner;

namespace host {
class Application;
}  // namespace host

// Watches one explorer window for the application object and reports its closing under the
// key the registry gave it.
class HookedExplorer : public std::enable_shared_from_this<HookedExplorer>,
                       private host::ExplorerEvents {
  public:
    explicit HookedExplorer(Component& component);

    void Initialize(const Ref<host::Application>& olApp, const std::shared_ptr<HookOwner>& addinApp,
                    const Ref<host::Explorer>& explorerToHook, const std::string& callbackKey);
    // Lets go of the window, the host and the application object.
    void Kill();

    void MyExplorer_Close();

    const std::string& CallbackKey() const { return callbackKey_; }

  private:
    void Close() override { MyExplorer_Close(); }

    Component& component_;
    Ref<host::Application> olApp_;
    std::shared_ptr<HookOwner> addinApp_;
    WithEvents<host::Explorer, host::ExplorerEvents> myExplorer_;
    std::string callbackKey_;
};

}  // namespace pwk
