#pragma once

#include <unknwn.h>

#include "win/combase/ComPtr.h"

namespace pwk::win {

// How each of the component's classes makes a new object for its class factory. The settings
// classes make a new core object with the process's one component, whose start-up runs first
// if no object has run it yet (their operations report through its error library).
ComPtr<IUnknown> MakeConnect();
ComPtr<IUnknown> MakeRegSettings();
ComPtr<IUnknown> MakeTrackedFoldersets();
ComPtr<IUnknown> MakeTrackedFolderset();
// A new error library on the process's platform. Making one runs no start-up: start-up itself
// makes the process's error library this way.
ComPtr<IUnknown> MakeErrorObject();
// The options page, on the process's component; its logic waits for the add-in's Initialize.
ComPtr<IUnknown> MakeOptionsPage();

}  // namespace pwk::win
