#pragma once

#include "sim/SimHost.h"
#include "tools/scenario/ExternalAddIn.h"

namespace pwk::simrun {

// An external add-in's hooks as the host sees them through the bridge. A hook connects to its
// window's events and to the clicks of the buttons it puts on the window; the add-in's watch
// connects to one window's events only. So a window with two connections is hooked and
// watched; with one, it is hooked when it has buttons listened to. A window with one
// connection and no such buttons is the watch when no other window is: the first of them,
// explorers before inspectors, as the add-in chooses its watch. Any other such window is a hook
// whose buttons the host did not give.
scenario::ExternalAddIn::Hooks SeenHooks(sim::SimHost& host);

}  // namespace pwk::simrun
