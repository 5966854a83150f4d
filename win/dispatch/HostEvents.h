#pragma once

#include <oaidl.h>

#include "src/host/Events.h"
#include "src/util/Connection.h"

namespace pwk::win {

// Connects one of the add-in's event sinks to a host object's events: each event's arguments
// wrapped as the add-in's objects, by-reference flags handed over as bool&.
Connection AdviseApplication(IDispatch* source, host::ApplicationEvents& sink);
Connection AdviseExplorers(IDispatch* source, host::ExplorersEvents& sink);
Connection AdviseInspectors(IDispatch* source, host::InspectorsEvents& sink);
Connection AdviseExplorer(IDispatch* source, host::ExplorerEvents& sink);
Connection AdviseInspector(IDispatch* source, host::InspectorEvents& sink);
Connection AdviseItems(IDispatch* source, host::ItemsEvents& sink);
Connection AdviseItem(IDispatch* source, host::ItemEvents& sink);
Connection AdviseButton(IDispatch* source, host::CommandBarButtonEvents& sink);

}  // namespace pwk::win
