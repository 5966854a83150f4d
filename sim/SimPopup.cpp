#include "sim/SimPopup.h"
#include "src/util/Ref.h"

#include "sim/SimCommandBar.h"
#include "sim/SimCommandBarControls.h"

namespace pwk::sim {

SimPopup::SimPopup(std::shared_ptr<SimCore> core) : SimControl(std::move(core)) {}

SimPopup::~SimPopup() = default;

Ref<host::CommandBarControls> SimPopup::Controls() {
    if (EnterGetter("Controls")) {
        return nullptr;
    }
    return menu_->ControlsObject().Self<host::CommandBarControls>();
}

void SimPopup::MakeMenu(const std::weak_ptr<SimObject>& window) {
    menu_ = MakeSim<SimCommandBar>(CorePtr(), Spec.Caption, window);
}

void SimPopup::MarkDeleted() {
    SimControl::MarkDeleted();
    menu_->MarkDeleted();
}

ControlSpec SimPopup::Persistent() const {
    ControlSpec spec = Spec;
    spec.Controls = menu_->Persistent();
    return spec;
}

void SimPopup::CaptionChanged() {
    menu_->Rename(Spec.Caption);
}

}  // namespace pwk::sim
