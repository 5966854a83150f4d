#pragma once

#include <unknwn.h>

namespace pwk::win {

// How each of the component's classes makes a new object for its class factory: each hands
// over the new object's one reference. The settings classes make a new core object with the
// process's one component, whose start-up runs first if no object has run it yet (their
// operations report through its error library).
IUnknown* MakeConnect();
IUnknown* MakeRegSettings();
IUnknown* MakeTrackedFoldersets();
IUnknown* MakeTrackedFolderset();
// A new error library on the process's platform. Making one runs no start-up: start-up itself
// makes the process's error library this way.
IUnknown* MakeErrorObject();

}  // namespace pwk::win
