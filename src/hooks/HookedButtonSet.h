#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "src/util/Ref.h"

namespace pwk {

class Component;
class HookedButton;
class HookOwner;

namespace host {
class CommandBar;
class CommandBarControl;
class CommandBarControls;
class CommandBarPopup;
class Explorer;
class HostObject;
class Inspector;
}  // namespace host

// The add-in's buttons on one window, switched as a group: the five contact actions and the
// log action on an explorer's "Standard" bar, or the five contact actions in an inspector's
// "Actions" menu and on its "Standard" bar. The window's hook decides mode and states; the set
// applies them to every button.
class HookedButtonSet {
  public:
    // Takes the next set serial of the process; its tags carry it.
    explicit HookedButtonSet(Component& component);
    HookedButtonSet(const HookedButtonSet&) = delete;
    HookedButtonSet& operator=(const HookedButtonSet&) = delete;

    // Places the buttons on an explorer or an inspector.
    void HookWindow(const Ref<host::HostObject>& windowToHook,
                    const std::shared_ptr<HookOwner>& addinApp, const std::string& addinProgID);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool isEnabled);
    // Shows the buttons available in the current mode (or hides them); hides the others.
    bool Visible() const { return visible_; }
    void SetVisible(bool isVisible);
    // Hides the buttons the new mode does not offer; shows nothing.
    std::int32_t Mode() const { return mode_; }
    void SetMode(std::int32_t theMode);
    // Tooltips name the contact ("Phone Call to Aiko Tanaka"); an empty name gives the captions.
    void ToPerson(const std::string& contactFullName);

    Ref<host::Explorer> OwnerExplorer() const;
    Ref<host::Inspector> OwnerInspector() const;
    std::int32_t SetSerial() const { return setSerial_; }
    // Removes the buttons, last first, and lets go of the window and the application object.
    void Kill();

    std::vector<std::shared_ptr<HookedButton>> Buttons;
    // Set when an explorer had no "Standard" bar, so that its hook tries again later.
    bool RetryHook = false;

  private:
    void HookExplorer();
    void HookInspector();
    void AddMenuItem(const Ref<host::CommandBarPopup>& popup, std::int32_t action,
                     const std::string& caption, const std::string& tagText,
                     std::optional<bool> beginGroup = std::nullopt);
    void AddToolbarButton(const Ref<host::CommandBar>& bar, std::int32_t action,
                          const std::string& caption, const std::string& tagText,
                          std::optional<bool> beginGroup = std::nullopt);
    static Ref<host::CommandBarControl> AddButton(const Ref<host::CommandBarControls>& controls,
                                                  const std::string& fullTag);
    void Label(const Ref<host::CommandBarControl>& button, const std::string& caption,
               const std::string& fullTag, std::optional<bool> beginGroup) const;
    std::string OnAction() const { return "<!" + progId_ + ">"; }

    Component& component_;
    std::int32_t setSerial_ = 0;
    Ref<host::HostObject> window_;
    std::shared_ptr<HookOwner> addinApp_;
    std::string progId_;
    bool ownerIsExplorer_ = false;
    bool enabled_ = false;
    bool visible_ = false;
    std::int32_t mode_ = 0;
};

}  // namespace pwk
