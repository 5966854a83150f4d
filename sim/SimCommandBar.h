#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/CommandBarLayout.h"
#include "sim/ControlHolder.h"
#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "src/host/CommandBar.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimControlState;
class SimCommandBarControls;

// A command bar of a window, or the menu of a popup.
//
// FindControl returns the first control, in bar order, that matches every criterion given;
// with Recursive the menus of popups are searched too, each right after its popup.
class SimCommandBar : public SimBase<host::CommandBar, ControlHolder> {
  public:
    SimCommandBar(std::shared_ptr<SimCore> core, std::string name, std::weak_ptr<SimObject> window);
    ~SimCommandBar() override;

    std::string Name() override;
    Ref<host::CommandBarControls> Controls() override;
    Ref<host::CommandBarControl> FindControl(const host::FindControlQuery& query) override;

    std::string AuditName() const override { return name_; }
    void Rename(std::string name) { name_ = std::move(name); }
    std::shared_ptr<SimObject> Window() const override { return window_.lock(); }
    const std::vector<Owned<SimControlState>>& ControlList() const override { return controls_; }
    SimCommandBarControls& ControlsObject();

    std::shared_ptr<SimControlState> AddControl(const ControlSpec& spec, bool temporary,
                                                std::optional<std::int32_t> before) override;
    void Place(SimControlState& control, std::optional<std::int32_t> before) override;
    void Take(SimControlState& control) override;
    std::vector<ControlSpec> Persistent() const;
    void MarkDeleted();
    // Every control on the bar and in its menus, depth first.
    void ForEachControl(const std::function<void(SimControlState&)>& visit) const;

  private:
    std::size_t CheckedPosition(std::optional<std::int32_t> before) const;
    std::shared_ptr<SimControlState> Find(const host::FindControlQuery& query) const;

    std::string name_;
    std::weak_ptr<SimObject> window_;
    std::vector<Owned<SimControlState>> controls_;
    Owned<SimCommandBarControls> controlsObject_;
};

}  // namespace pwk::sim
