#pragma once

#include <functional>
#include <memory>
#include <string>

#include "src/host/HostTypes.h"

namespace pwk::sim {

class SimItemState;
class SimControlState;

// What single host objects ask of the host as a whole: opening windows, running built-in
// commands, the clock, and the notifications the host delivers once it is idle again.
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
    virtual host::Date Now() = 0;
    // A serial text for the identifier of an item the host creates.
    virtual std::string NextItemKey() = 0;
};

}  // namespace pwk::sim
