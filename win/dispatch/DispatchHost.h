#pragma once

#include <oaidl.h>

#include <memory>
#include <string>

#include "src/host/AddIn.h"
#include "src/host/Application.h"
#include "src/platform/AutomationObject.h"
#include "src/util/Ref.h"

// The host's objects as the add-in's model: what the component's entry points and the Windows
// platform hand the core. Each adapter holds one reference to its host object and lets go of
// it when the core does; nothing stays nothing.
pwk::Ref<pwk::host::Application> WrapApplication(IDispatch* application);
pwk::Ref<pwk::host::AddInInstance> WrapAddInInstance(IDispatch* addInInstance);
// A component created by ProgID: the host's messaging library ("MAPI.Session") gets its
// interface, any other is only held and handed on (the options page's adapter is the
// component's own: win/published/DispatchOptionsPage, given to WinPlatform::WrapWith).
std::shared_ptr<pwk::AutomationObject> WrapAutomationObject(const std::string& progId,
                                                            IDispatch* object);
