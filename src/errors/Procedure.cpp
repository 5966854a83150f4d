#include "src/errors/Procedure.h"

#include <string>

#include "src/component/Component.h"

namespace pwk {

// The constant the protocol passes as HandleError's last argument.
static constexpr std::int32_t kHandleErrorFlags = 1;

ErrorLibrary* Procedure::Library() const {
    return component_.ErrorObject().get();
}

void Procedure::Enter() {
    if (auto* library = traced_ ? Library() : nullptr) {
        library->ProcEnter(module_, procedure_);
    }
}

void Procedure::Exit() {
    if (auto* library = traced_ ? Library() : nullptr) {
        library->ProcExit(module_, procedure_);
    }
}

Procedure::Outcome Procedure::OnFailure(const Failure& failure) {
    current_ = failure;
    auto* library = Library();
    if (library == nullptr) {
        // Without an error library nobody can be asked: leave.
        return Outcome::Leave;
    }
    const ErrorAction action =
        library->HandleError(failure, std::string(module_), std::string(procedure_), "", boundary_,
                             severity_, kHandleErrorFlags);
    if (action == ErrorAction::Debug && library->DebugMode()) {
        return Outcome::Retry;
    }
    if (action == ErrorAction::ResumeNext) {
        return Outcome::Continue;
    }
    return Outcome::Leave;
}

void Procedure::Leave() {
    if (onLeave_) {
        Ignoring(onLeave_);
    }
    auto* library = Library();
    if (library != nullptr) {
        library->ProcExit(module_, procedure_);
        library->ErrorExit(boundary_);
    }
    if (boundary_ == Boundary::Host || !current_) {
        return;
    }
    // Boundaries 1 and 4: the caller gets the failure. Once the library has seen it, it is
    // marked so that the callers' procedures pass it through instead of reporting it again.
    Failure passed = std::move(*current_);
    current_.reset();
    passed.Reported = passed.Reported || library != nullptr;
    throw passed;
}

}  // namespace pwk
