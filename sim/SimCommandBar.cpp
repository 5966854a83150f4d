#include "sim/SimCommandBar.h"
#include "src/util/Ref.h"

#include <algorithm>

#include "sim/HostError.h"
#include "sim/SimCommandBarControls.h"
#include "sim/SimControlState.h"
#include "sim/SimWorld.h"
#include "src/host/CommandBarControl.h"
#include "src/host/HostTypes.h"

namespace pwk::sim {
namespace {

bool Matches(SimControlState& control, const host::FindControlQuery& query) {
    const ControlSpec& spec = control.Spec;
    return (!query.Type || *query.Type == spec.Type) && (!query.Id || *query.Id == spec.Id) &&
           (!query.Tag || *query.Tag == spec.Tag) &&
           (!query.Visible || *query.Visible == spec.Visible);
}

}  // namespace

SimCommandBar::SimCommandBar(std::shared_ptr<SimCore> core, std::string name,
                             std::weak_ptr<SimObject> window)
    : SimBase<host::CommandBar, ControlHolder>(std::move(core)),
      name_(std::move(name)),
      window_(std::move(window)) {}

SimCommandBar::~SimCommandBar() = default;

std::string SimCommandBar::Name() {
    Enter("Name");
    return name_;
}

Ref<host::CommandBarControls> SimCommandBar::Controls() {
    if (EnterGetter("Controls")) {
        return nullptr;
    }
    return ControlsObject().Self<host::CommandBarControls>();
}

Ref<host::CommandBarControl> SimCommandBar::FindControl(const host::FindControlQuery& query) {
    if (EnterGetter("FindControl")) {
        return nullptr;
    }
    auto found = Find(query);
    return found ? found->Self<host::CommandBarControl>() : nullptr;
}

SimCommandBarControls& SimCommandBar::ControlsObject() {
    if (!controlsObject_) {
        controlsObject_ = MakeSim<SimCommandBarControls>(CorePtr(), Self<SimCommandBar>());
    }
    return *controlsObject_;
}

std::shared_ptr<SimControlState> SimCommandBar::AddControl(const ControlSpec& spec, bool temporary,
                                                           std::optional<std::int32_t> before) {
    const std::size_t position = CheckedPosition(before);
    std::shared_ptr<SimControlState> control = Core().world().MakeControl(spec, window_);
    control->Spec = spec;
    control->Spec.Controls.clear();
    control->Temporary = temporary;
    control->SetBar(Self<SimCommandBar>());
    controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(position), control);
    return control;
}

void SimCommandBar::Place(SimControlState& control, std::optional<std::int32_t> before) {
    const std::size_t position = CheckedPosition(before);
    auto keep = control.Self<SimControlState>();
    auto anchor = position < controls_.size() ? controls_[position].get() : nullptr;
    if (anchor == keep) {
        return;
    }
    if (auto own = control.Bar()) {
        own->Take(control);
    }
    auto at = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Owned<SimControlState>& c) { return c.get() == anchor; });
    controls_.insert(anchor ? at : controls_.end(), keep);
    control.SetBar(Self<SimCommandBar>());
}

void SimCommandBar::Take(SimControlState& control) {
    std::erase_if(controls_,
                  [&](const Owned<SimControlState>& c) { return c.get().get() == &control; });
    control.SetBar({});
}

std::vector<ControlSpec> SimCommandBar::Persistent() const {
    std::vector<ControlSpec> specs;
    for (const auto& control : controls_) {
        if (!control->Temporary) {
            specs.push_back(control->Persistent());
        }
    }
    return specs;
}

void SimCommandBar::MarkDeleted() {
    Invalidate(HostError::OperationFailed, "The command bar is gone.");
    for (const auto& control : controls_) {
        control->MarkDeleted();
    }
}

void SimCommandBar::ForEachControl(const std::function<void(SimControlState&)>& visit) const {
    for (const auto& control : controls_) {
        visit(*control);
        if (const SimCommandBar* menu = control->Submenu()) {
            menu->ForEachControl(visit);
        }
    }
}

std::size_t SimCommandBar::CheckedPosition(std::optional<std::int32_t> before) const {
    const auto count = static_cast<std::int32_t>(controls_.size());
    const std::int32_t position = before.value_or(count + 1);
    if (position < 1 || position > count + 1) {
        Raise(FailureNumber::InvalidProcedureCall, "CommandBarControl.Move");
    }
    return static_cast<std::size_t>(position - 1);
}

std::shared_ptr<SimControlState> SimCommandBar::Find(const host::FindControlQuery& query) const {
    for (const auto& control : controls_) {
        if (Matches(*control, query)) {
            return control.get();
        }
        const SimCommandBar* menu = control->Submenu();
        if (query.Recursive && menu) {
            if (auto found = menu->Find(query)) {
                return found;
            }
        }
    }
    return nullptr;
}

}  // namespace pwk::sim
