#pragma once

#include "src/platform/AutomationObject.h"
#include "src/util/Connection.h"
#include "win/combase/ComPtr.h"

namespace pwk::bridge {

// The Connect of each event interface the host's objects raise (BridgeKind::Events): the
// object's C++ events passed on to a client's sink under the numbers of win/dispatch/EventIds.
Connection ForwardApplicationEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardExplorersEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardInspectorsEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardExplorerEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardInspectorEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardItemsEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardItemEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);
Connection ForwardButtonEvents(AutomationObject& object, const win::ComPtr<IDispatch>& sink);

}  // namespace pwk::bridge
