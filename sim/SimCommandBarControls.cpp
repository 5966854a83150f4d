#include "sim/SimCommandBarControls.h"
#include "src/util/Ref.h"

#include "sim/ControlHolder.h"
#include "sim/HostError.h"
#include "sim/SimControlState.h"
#include "src/host/CommandBarControl.h"

namespace pwk::sim {

std::int32_t SimCommandBarControls::Count() {
    Enter("Count");
    return static_cast<std::int32_t>(LiveBar().ControlList().size());
}

Ref<host::CommandBarControl> SimCommandBarControls::Item(std::int32_t index) {
    if (EnterGetter("Item")) {
        return nullptr;
    }
    const auto& controls = LiveBar().ControlList();
    if (index < 1 || index > static_cast<std::int32_t>(controls.size())) {
        Raise(FailureNumber::InvalidProcedureCall, "CommandBarControls.Item");
    }
    return controls[static_cast<std::size_t>(index - 1)]->Self<host::CommandBarControl>();
}

Ref<host::CommandBarControl> SimCommandBarControls::Item(const std::string& caption) {
    if (EnterGetter("Item")) {
        return nullptr;
    }
    for (const auto& control : LiveBar().ControlList()) {
        if (control->Spec.Caption == caption) {
            return control->Self<host::CommandBarControl>();
        }
    }
    Raise(FailureNumber::InvalidProcedureCall, "CommandBarControls.Item");
}

Ref<host::CommandBarControl> SimCommandBarControls::Add(int type, std::optional<int> id,
                                                        const std::string& parameter,
                                                        std::optional<std::int32_t> before,
                                                        bool temporary) {
    if (EnterGetter("Add")) {
        return nullptr;
    }
    ControlSpec spec;
    spec.Type = type;
    spec.Id = id.value_or(1);
    spec.BuiltIn = spec.Id != 1;
    spec.Parameter = parameter;
    return LiveBar().AddControl(spec, temporary, before)->Self<host::CommandBarControl>();
}

ControlHolder& SimCommandBarControls::LiveBar() const {
    auto bar = bar_.lock();
    if (!bar || !bar->Valid()) {
        throw Failure(HostError::OperationFailed, "The command bar is gone.", "CommandBarControls");
    }
    return *bar;
}

}  // namespace pwk::sim
