#pragma once

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "src/errorlib/ErrorCodes.h"
#include "src/util/Failure.h"

namespace pwk {

class Component;
class ErrorLibrary;

// The protocol every traced procedure follows, written once:
//
//   Procedure proc(component, "RegSettings", "ReadReg", Boundary::Component);
//   proc.Run([&] {
//       proc.Step([&] { ... one statement ... });
//       proc.Step([&] { ... the next ... });
//   });
//
// Run reports entry, runs the body and reports exit. A failure goes to the error library's
// HandleError, whose action decides: retry the failing statement (debug mode), continue after
// it, or leave the procedure (exit trace, ErrorExit(boundary), return). A body that is not cut
// into steps counts as one statement. ErrorExit passes the failure on to the caller for the
// boundaries 1 and 4 and stops it for 2, so a host entry point never throws.
class Procedure {
  public:
    Procedure(Component& component, std::string_view module, std::string_view procedure,
              Boundary boundary, Severity severity = Severity::Normal)
        : component_(component),
          module_(module),
          procedure_(procedure),
          boundary_(boundary),
          severity_(severity) {}
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

    template <class Body>
    void Run(Body&& body) {
        if (boundary_ != Boundary::Host) {
            RunGuarded(body);
            return;
        }
        // Last line of defence at a host entry point: even a failing error library must not
        // hand the host a failure.
        try {
            RunGuarded(body);
        } catch (...) {
        }
    }

    // Run for a procedure that reports neither entry nor exit on its normal way out; a failure
    // is handled and left as in Run.
    template <class Body>
    void RunUntraced(Body&& body) {
        traced_ = false;
        Run(body);
    }

    // One statement of the body.
    template <class Statement>
    void Step(Statement&& statement) {
        for (;;) {
            Outcome outcome;
            try {
                statement();
                return;
            } catch (const LeaveSignal&) {
                throw;
            } catch (const Failure& failure) {
                outcome = OnFailure(failure);
            } catch (const std::bad_alloc&) {
                outcome = OnFailure(Failure(7, "Out of memory"));
            } catch (const std::exception& other) {
                outcome = OnFailure(Failure(FailureNumber::InvalidProcedureCall, other.what()));
            }
            if (outcome == Outcome::Continue) {
                return;
            }
            if (outcome == Outcome::Leave) {
                throw LeaveSignal{this};
            }
        }
    }

    // Runs a region with failures ignored and hands back the failure it met, if any; the
    // error library is not asked. Pass the result on with RecordError where it is wanted.
    template <class Region>
    static std::optional<Failure> Ignoring(Region&& region) {
        try {
            region();
        } catch (const Failure& failure) {
            return failure;
        } catch (const std::exception& other) {
            return Failure(FailureNumber::InvalidProcedureCall, other.what());
        }
        return std::nullopt;
    }

    // What the procedure does on its way out after a failure, before the exit report: clean up
    // what it half made, or ask the user. Failures inside it are ignored.
    void OnLeave(std::function<void()> cleanup) { onLeave_ = std::move(cleanup); }

    std::string_view Module() const { return module_; }
    std::string_view Name() const { return procedure_; }

  private:
    enum class Outcome { Retry, Continue, Leave };
    struct LeaveSignal {
        const Procedure* owner;
    };

    template <class Body>
    void RunGuarded(Body& body) {
        try {
            Step([&] { Enter(); });
            Step(body);
        } catch (const LeaveSignal& signal) {
            if (signal.owner != this) {
                throw;
            }
            Leave();
            return;
        }
        Exit();
    }

    void Enter();
    void Exit();
    void Leave();
    Outcome OnFailure(const Failure& failure);
    ErrorLibrary* Library() const;

    Component& component_;
    std::string_view module_;
    std::string_view procedure_;
    Boundary boundary_;
    Severity severity_;
    std::optional<Failure> current_;
    bool traced_ = true;
    std::function<void()> onLeave_;
};

}  // namespace pwk
