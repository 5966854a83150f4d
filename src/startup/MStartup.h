#pragma once

namespace pwk {

class Component;

// The component's process start-up.
namespace MStartup {

// Starts the error framework: installs the exception filter, creates the error client and the
// error object, gives the object the log location and the tracing switch, and starts it. Runs
// once per component; a failure leaves ErrorFrameworkStarted false and is shown to the user
// in one message box (the error library cannot report it). Never throws.
void Main(Component& component);

// Installs (on) or removes (off) the last-chance handler that hands an unhandled exception to
// the error object.
void SetExceptionFilter(Component& component, bool on);

}  // namespace MStartup

}  // namespace pwk
