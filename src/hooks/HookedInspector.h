#pragma once

#include <memory>
#include <string>

#include "src/host/Events.h"
#include "src/host/Inspector.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookOwner;

namespace host {
class Application;
}  // namespace host

// Watches one inspector window (a contact, mail or appointment) for the application object and
// reports its closing under the key the registry gave it.
class HookedInspector : public std::enable_shared_from_this<HookedInspector>,
                        private host::InspectorEvents {
  public:
    explicit HookedInspector(Component& component);

    void Initialize(const Ref<host::Application>& olApp, const std::shared_ptr<HookOwner>& addinApp,
                    const Ref<host::Inspector>& inspectorToHook, const std::string& callbackKey);
    // Lets go of the window and the application object.
    void Kill();

    void MyInspector_Close();

    const std::string& CallbackKey() const { return callbackKey_; }

  private:
    void Close() override { MyInspector_Close(); }

    Component& component_;
    std::shared_ptr<HookOwner> addinApp_;
    WithEvents<host::Inspector, host::InspectorEvents> myInspector_;
    std::string callbackKey_;
};

}  // namespace pwk
