#pragma once

namespace pwk {

// Where a traced procedure stands in the call chain; decides whether a failure it leaves with
// goes on to its caller.
enum class Boundary : int {
    Internal = 1,   // plain routines: the failure goes on to the caller
    Host = 2,       // entered from the host or a host event: the failure stops here
    Component = 4,  // public methods of the add-in's classes: the failure goes on to the caller
};

enum class Severity : int {
    Minor = 1,
    Normal = 2,
};

// What the error library tells a traced procedure to do about a failure.
enum class ErrorAction : int {
    Exit = 2,        // leave the procedure (ProcExit, ErrorExit, return)
    EndApp = 3,      // the application is being ended; leave the procedure
    Debug = 4,       // halt for the debugger and retry the failing statement (debug mode only)
    ResumeNext = 5,  // continue after the failing statement
};

}  // namespace pwk
