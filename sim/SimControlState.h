#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "sim/CommandBarLayout.h"
#include "sim/SimObject.h"
#include "src/util/Ref.h"

namespace pwk::host {
class CommandBar;
class CommandBarButton;
class HostObject;
}  // namespace pwk::host

namespace pwk::sim {

class ControlHolder;
class SimCommandBar;

// What every command-bar control holds, whatever its type.
class SimControlState : public SimObject {
  public:
    ControlSpec Spec;  // the control's properties (its menu, for a popup, lives in the popup)
    bool Temporary = false;

    std::shared_ptr<ControlHolder> Bar() const { return bar_.lock(); }
    void SetBar(const std::weak_ptr<ControlHolder>& bar) { bar_ = bar; }
    // The window the control belongs to (through its bar, and its popups' bars).
    std::shared_ptr<SimObject> Window() const;

    // The control and everything in it stop working.
    virtual void MarkDeleted();
    // The control, and its menu for a popup, without temporary controls.
    virtual ControlSpec Persistent() const { return Spec; }
    virtual void CaptionChanged() {}
    // The menu of a popup, whose controls stand on a bar of its own; none for other controls.
    virtual SimCommandBar* Submenu() const { return nullptr; }
    // Delivers Click to the control's own sinks (buttons only).
    virtual void RaiseClick(const Ref<host::CommandBarButton>& /*clicked*/,
                            bool& /*cancelDefault*/) {}

    // The verbs. Move puts the control before the control that stands at position `before`
    // now (at the end when not given; before itself or its successor leaves it where it is).
    void MoveNow(const Ref<host::CommandBar>& bar, std::optional<std::int32_t> before);
    void DeleteNow();
    void ExecuteNow();
    Ref<host::HostObject> ParentBar() const;

    std::string AuditName() const override { return Spec.Caption; }

  protected:
    using SimObject::SimObject;

  private:
    std::weak_ptr<ControlHolder> bar_;
};

}  // namespace pwk::sim
