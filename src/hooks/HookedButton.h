#pragma once

#include <cstdint>
#include <memory>

#include "src/hooks/ActionTypes.h"
#include "src/host/CommandBarButton.h"
#include "src/host/Events.h"
#include "src/util/Ref.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookOwner;

namespace host {
class ContactItem;
class Explorer;
class HostObject;
class Inspector;
class MailItem;
}  // namespace host

// One of the add-in's buttons on an explorer or inspector: knows its action and its window,
// answers its clicks by handing the selected contact or mail to the application object, and
// takes the button off its bar again.
class HookedButton : private host::CommandBarButtonEvents {
  public:
    explicit HookedButton(Component& component);
    HookedButton(const HookedButton&) = delete;
    HookedButton& operator=(const HookedButton&) = delete;

    // `helperButton`: a host control executed instead of the action when it is set.
    void Initialize(const std::shared_ptr<HookOwner>& addinApp, std::int32_t actionType,
                    const Ref<host::CommandBarControl>& button,
                    const Ref<host::HostObject>& ownerWindow,
                    const Ref<host::CommandBarControl>& helperButton = nullptr);
    // Contact actions in mode 0, the log action in mode 1.
    bool AvailInMode(std::int16_t mode) const;
    Ref<host::CommandBarButton> CommandBarButton() const { return pMyButton_.Get(); }
    Ref<host::Explorer> GetExplorerWindow() const;
    Ref<host::Inspector> GetInspectorWindow() const;
    std::int32_t ActionType() const { return action_; }
    // Takes the button off its bar and lets go of everything.
    void Kill();

    void pMyButton_Click(const Ref<host::CommandBarButton>& ctrl, bool& cancelDefault);

  private:
    void Click(const Ref<host::CommandBarButton>& ctrl, bool& cancelDefault) override {
        pMyButton_Click(ctrl, cancelDefault);
    }
    void RunAction(const Ref<host::ContactItem>& contact, const Ref<host::MailItem>& mail);

    Component& component_;
    WithEvents<host::CommandBarButton, host::CommandBarButtonEvents> pMyButton_;
    std::shared_ptr<HookOwner> addinApp_;
    std::int32_t action_ = 0;
    Ref<host::CommandBarButton> helperButton_;
    Ref<host::HostObject> ownerWindow_;
    bool ownerIsExplorer_ = false;
};

}  // namespace pwk
