#pragma once

#include <functional>
#include <memory>
#include <string>

#include "src/host/HostTypes.h"

namespace pwk::sim {

class SimItemState;
class SimControlState;
class SimObject;
struct ControlSpec;

// What single host objects ask of the host as a whole: opening windows, running built-in
// commands, making items and controls of a kind, the clock, and the notifications the host
// delivers once it is idle again.
class SimWorld {
  public:
    virtual ~SimWorld() = default;

    // Queues a folder notification (ItemAdd); it is delivered when the current user action
    // has finished, as the host's message loop would.
    virtual void Post(std::function<void()> notification) = 0;
    // Shows the item in its inspector, opening one (and announcing it) when there is none.
    virtual void Display(SimItemState& item, bool modal) = 0;
    // A click on a control: raises Click on the control and on every other live button with
    // the same non-empty Tag (the host does that), then runs the host's own command behind a
    // built-in control unless a handler cancelled it.
    virtual void Click(SimControlState& control) = 0;
    // A new item of a kind, with the values the host gives new items (Items.Add); fails (5)
    // for a kind the host cannot make.
    virtual std::shared_ptr<SimItemState> NewItem(host::ItemType type) = 0;
    // An empty item of a kind, without any default value, for a copy to fill in.
    virtual std::shared_ptr<SimItemState> BlankItem(host::ItemType type) = 0;
    // A control made from `spec` for a bar of `window`: a button, or a popup with its menu
    // and the controls in it; fails (5) for another type of control.
    virtual std::shared_ptr<SimControlState> MakeControl(
        const ControlSpec& spec, const std::weak_ptr<SimObject>& window) = 0;
    virtual host::Date Now() = 0;
    // A serial text for the identifier of an item the host creates.
    virtual std::string NextItemKey() = 0;
};

}  // namespace pwk::sim
