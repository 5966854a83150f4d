#include "sim/SimControlState.h"
#include "src/util/Ref.h"

#include "sim/ControlHolder.h"
#include "sim/HostError.h"
#include "sim/SimWorld.h"
#include "src/host/CommandBar.h"
#include "src/host/HostObject.h"

namespace pwk::sim {

std::shared_ptr<SimObject> SimControlState::Window() const {
    auto bar = Bar();
    return bar ? bar->Window() : nullptr;
}

void SimControlState::MarkDeleted() {
    Invalidate(HostError::OperationFailed, "The control has been deleted.");
}

void SimControlState::MoveNow(const Ref<host::CommandBar>& bar,
                              std::optional<std::int32_t> before) {
    auto own = Bar();
    std::shared_ptr<ControlHolder> target = bar ? As<ControlHolder>(bar.Shared()) : own;
    if (!target || !own) {
        Raise(FailureNumber::InvalidProcedureCall, "CommandBarControl.Move");
    }
    target->Place(*this, before);
}

void SimControlState::DeleteNow() {
    if (auto bar = Bar()) {
        bar->Take(*this);
    }
    MarkDeleted();
}

void SimControlState::ExecuteNow() {
    if (!Spec.Enabled) {
        throw Failure(HostError::OperationFailed, "The control is disabled.",
                      "CommandBarControl.Execute");
    }
    Core().world().Click(*this);
}

Ref<host::HostObject> SimControlState::ParentBar() const {
    auto bar = Bar();
    if (!bar) {
        throw Failure(HostError::OperationFailed, "The control is on no bar.",
                      "CommandBarControl.Parent");
    }
    return bar->Self<host::HostObject>();
}

}  // namespace pwk::sim
