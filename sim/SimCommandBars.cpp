#include "sim/SimCommandBars.h"
#include "src/util/Ref.h"

#include "sim/HostError.h"
#include "sim/SimCommandBar.h"
#include "sim/SimControlState.h"

namespace pwk::sim {

SimCommandBars::SimCommandBars(std::shared_ptr<SimCore> core)
    : SimBase<host::CommandBars>(std::move(core)) {}

SimCommandBars::~SimCommandBars() = default;

Ref<host::CommandBar> SimCommandBars::Item(const std::string& name) {
    if (EnterGetter("Item")) {
        return nullptr;
    }
    auto bar = Bar(name);
    if (!bar) {
        Raise(FailureNumber::InvalidProcedureCall, "CommandBars.Item");
    }
    return bar;
}

void SimCommandBars::Build(const CommandBarLayout& layout, const std::weak_ptr<SimObject>& window) {
    for (const auto& spec : layout.Bars) {
        AddBar(spec, window);
    }
}

std::shared_ptr<SimCommandBar> SimCommandBars::Bar(const std::string& name) const {
    for (const auto& bar : bars_) {
        if (bar->AuditName() == name) {
            return bar.get();
        }
    }
    return nullptr;
}

std::shared_ptr<SimCommandBar> SimCommandBars::AddBar(const BarSpec& spec,
                                                      const std::weak_ptr<SimObject>& window) {
    auto bar = MakeSim<SimCommandBar>(CorePtr(), spec.Name, window);
    for (const auto& control : spec.Controls) {
        bar->AddControl(control, false, std::nullopt);
    }
    bars_.emplace_back(bar);
    return bar;
}

void SimCommandBars::RemoveBar(const std::string& name) {
    std::erase_if(bars_, [&](const Owned<SimCommandBar>& bar) {
        if (bar->AuditName() != name) {
            return false;
        }
        bar->MarkDeleted();
        return true;
    });
}

CommandBarLayout SimCommandBars::Persistent() const {
    CommandBarLayout layout;
    for (const auto& bar : bars_) {
        layout.Bars.push_back(BarSpec{bar->AuditName(), bar->Persistent()});
    }
    return layout;
}

void SimCommandBars::MarkDeleted() {
    Invalidate(HostError::OperationFailed, "The window has been closed.");
    for (const auto& bar : bars_) {
        bar->MarkDeleted();
    }
}

}  // namespace pwk::sim
