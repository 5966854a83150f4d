#pragma once

#include <memory>

#include "sim/Owned.h"
#include "sim/SimControl.h"
#include "src/host/CommandBarPopup.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimCommandBar;

// A menu. Its controls stand on a bar of its own, named after the popup's caption, which is
// what those controls give as their Parent.
class SimPopup : public SimControl<host::CommandBarPopup> {
  public:
    explicit SimPopup(std::shared_ptr<SimCore> core);
    ~SimPopup() override;

    Ref<host::CommandBarControls> Controls() override;

    // Made after construction, since the menu refers back to the popup.
    void MakeMenu(const std::weak_ptr<SimObject>& window);
    SimCommandBar& Menu() const { return *menu_; }
    SimCommandBar* Submenu() const override { return menu_.get().get(); }

    void MarkDeleted() override;
    ControlSpec Persistent() const override;
    void CaptionChanged() override;

  private:
    Owned<SimCommandBar> menu_;
};

}  // namespace pwk::sim
