#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimObject.h"

namespace pwk::sim {

class SimControlState;
struct ControlSpec;

// A command bar as the controls on it and its Controls collection see it: the window it
// belongs to, its controls in bar order, and the calls that add a control, move one onto it
// and take one off. SimCommandBar is the one implementation; the controls and the collection
// stand below it.
class ControlHolder : public SimObject {
  public:
    virtual std::shared_ptr<SimObject> Window() const = 0;
    virtual const std::vector<Owned<SimControlState>>& ControlList() const = 0;

    // Makes a control from `spec` (with its menu, for a popup) and puts it before position
    // `before` (at the end when not given); fails (5) for a position outside 1..Count+1 and
    // for control types other than buttons and popups.
    virtual std::shared_ptr<SimControlState> AddControl(const ControlSpec& spec, bool temporary,
                                                        std::optional<std::int32_t> before) = 0;
    virtual void Place(SimControlState& control, std::optional<std::int32_t> before) = 0;
    virtual void Take(SimControlState& control) = 0;

  protected:
    using SimObject::SimObject;
};

}  // namespace pwk::sim
