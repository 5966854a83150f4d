#pragma once

#include "src/platform/Platform.h"

namespace pwk::win {

// The process's last-chance handler for unhandled structured exceptions: builds the core's
// record from the system's and returns the routine's answer as the filter's result
// (EXCEPTION_CONTINUE_SEARCH 0, EXCEPTION_EXECUTE_HANDLER 1 ...). The filter is process-wide,
// so the routine is too.
class ExceptionFilter {
  public:
    // Installs `routine` in place of any earlier filter; an empty routine installs none.
    static void Install(Platform::ExceptionFilterRoutine routine);
    static bool Installed();
};

}  // namespace pwk::win
