#pragma once

#include <exception>
#include <functional>
#include <optional>
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
// into steps counts as one statement. Leaving, the procedure alone decides where the failure
// goes: on to the caller for the boundaries 1 and 4, marked as reported so that it is shown
// once, and nowhere for 2, so a host entry point never throws. ErrorExit only tells the
// library. Foreign exceptions become failures on the way in: std::bad_alloc is 7 (out of
// memory), any other std::exception 5 with its own text.
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

    // One statement of the body. True when it ran to its end, false when the error library
    // said to go on past its failure: what it was to produce is then unknown.
    template <class Statement>
    bool Step(Statement&& statement) {
        for (;;) {
            Outcome outcome;
            try {
                statement();
                return true;
            } catch (const std::exception& caught) {
                outcome = OnFailure(AsFailure(caught));
            }
            if (outcome == Outcome::Continue) {
                return false;
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
        } catch (const std::exception& caught) {
            return AsFailure(caught);
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
    // Not a std::exception, so that no Step of an enclosing body mistakes it for a failure.
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
