#include "sim/SimControlFactory.h"

#include <optional>

#include "sim/CommandBarLayout.h"
#include "sim/SimButton.h"
#include "sim/SimCommandBar.h"
#include "sim/SimPopup.h"
#include "src/host/HostTypes.h"
#include "src/util/Failure.h"

namespace pwk::sim {

std::shared_ptr<SimControlState> SimControlFactory::Make(const std::shared_ptr<SimCore>& core,
                                                         const ControlSpec& spec,
                                                         const std::weak_ptr<SimObject>& window) {
    if (spec.Type == host::ControlType::Button) {
        return MakeSim<SimButton>(core);
    }
    if (spec.Type != host::ControlType::Popup) {
        Raise(FailureNumber::InvalidProcedureCall, "CommandBarControls.Add");
    }
    auto popup = MakeSim<SimPopup>(core);
    popup->Spec = spec;
    popup->MakeMenu(window);
    for (const auto& item : spec.Controls) {
        popup->Menu().AddControl(item, false, std::nullopt);
    }
    return popup;
}

}  // namespace pwk::sim
