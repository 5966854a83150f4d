#pragma once

#include "src/platform/Platform.h"

namespace pwk {

// The last-chance handler for a POSIX process: a fatal signal (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, SIGABRT) or std::terminate builds an ExceptionRecord and hands it to the filter,
// once per installation, after which the process dies as it would have without the handler
// (a POSIX process cannot safely go on after such a fault, whatever the filter answers).
// Signal handlers are process-wide, so so is the filter.
class CrashHandlers {
  public:
    // Installs `filter` in place of any earlier one; an empty filter uninstalls, putting back
    // the handlers that were there before.
    static void Install(Platform::ExceptionFilterRoutine filter);
    static bool Installed();

    // The record for a signal, with the codes the host platform uses for the same faults so
    // that logs read alike everywhere.
    static ExceptionRecord RecordForSignal(int signal, const void* address);
    // The record for std::terminate, describing the exception in flight if there is one.
    static ExceptionRecord RecordForTerminate();
};

}  // namespace pwk
