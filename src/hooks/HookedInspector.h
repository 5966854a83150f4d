#pragma once

#include <memory>
#include <string>

#include "src/host/AppointmentItem.h"
#include "src/host/CommandBarButton.h"
#include "src/host/Events.h"
#include "src/host/Inspector.h"
#include "src/util/Ref.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookedButtonSet;
class HookOwner;
class Procedure;

namespace host {
class Application;
}  // namespace host

// Watches one inspector window. A contact of a tracked folder gets the contact
// buttons naming the contact; a mail of the default Inbox gets the shared "Log"
// button; an appointment is watched so that its first save is journaled while
// appointments are tracked. The window's closing is reported under the key the
// registry gave it.
class HookedInspector : public std::enable_shared_from_this<HookedInspector>,
                        private host::InspectorEvents,
                        private host::ItemEvents,
                        private host::CommandBarButtonEvents {
  public:
    explicit HookedInspector(Component& component);

    void Initialize(const Ref<host::Application>& olApp, const std::shared_ptr<HookOwner>& addinApp,
                    const Ref<host::Inspector>& inspectorToHook, const std::string& callbackKey);
    // Lets go of the window, its buttons (the Log button is hidden, not deleted)
    // and the application object.
    void Kill();

    void MyInspector_Close();
    void MyAppointmentItem_Write(bool& cancel);
    void MyLogButton_Click(const Ref<host::CommandBarButton>& ctrl, bool& cancelDefault);

    const std::string& CallbackKey() const { return callbackKey_; }

  private:
    void Close() override { MyInspector_Close(); }
    void Write(bool& cancel) override { MyAppointmentItem_Write(cancel); }
    void Click(const Ref<host::CommandBarButton>& ctrl, bool& cancelDefault) override;
    void HookLogButton(Procedure& proc);

    Component& component_;
    std::shared_ptr<HookOwner> addinApp_;
    WithEvents<host::Inspector, host::InspectorEvents> myInspector_;
    std::string callbackKey_;
    WithEvents<host::AppointmentItem, host::ItemEvents> myAppointmentItem_;
    std::shared_ptr<HookedButtonSet> buttonSet_;
    WithEvents<host::CommandBarButton, host::CommandBarButtonEvents> myLogButton_;
};

}  // namespace pwk
