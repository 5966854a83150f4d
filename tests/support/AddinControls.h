#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimHost.h"
#include "sim/SimWindowState.h"
#include "src/host/CommandBarControl.h"

namespace pwk::test {

// The first control of that caption on a window's bars and menus that the host did not bring
// (an add-in's, or one left by an earlier run); null when there is none.
inline std::shared_ptr<sim::SimControlState> AddedControl(const sim::SimWindowState& window,
                                                          const std::string& caption) {
    std::shared_ptr<sim::SimControlState> found;
    for (const auto& bar : window.Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            if (!found && control.Spec.Caption == caption && !control.Spec.BuiltIn) {
                found = control.Self<sim::SimControlState>();
            }
        });
    }
    return found;
}

// The user clicks that control; std::logic_error when the window has none.
inline void ClickAddedControl(sim::SimHost& host, const sim::SimWindowState& window,
                              const std::string& caption) {
    const auto control = AddedControl(window, caption);
    if (!control) {
        throw std::logic_error("no control \"" + caption + "\"");
    }
    host.Click(control->Self<host::CommandBarControl>());
}

}  // namespace pwk::test
