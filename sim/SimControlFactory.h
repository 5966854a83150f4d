#pragma once

#include <memory>

namespace pwk::sim {

class SimControlState;
class SimCore;
class SimObject;
struct ControlSpec;

// Makes a control of a type from its spec, for a bar of `window`: a button, or a popup with
// its menu and the controls in it. The bars ask for it through SimWorld::MakeControl, since it
// stands above every control class and the popup's menu is a bar again.
class SimControlFactory {
  public:
    // Fails (5) for control types other than buttons and popups.
    static std::shared_ptr<SimControlState> Make(const std::shared_ptr<SimCore>& core,
                                                 const ControlSpec& spec,
                                                 const std::weak_ptr<SimObject>& window);
};

}  // namespace pwk::sim
