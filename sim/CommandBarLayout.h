#pragma once

#include <string>
#include <vector>

namespace pwk::sim {

// One control of a window's command bars, as the host keeps its customisation.
struct ControlSpec {
    int Type = 1;  // host::ControlType
    int Id = 1;    // 1 for a custom control; a host command's number for a built-in one
    std::string Caption;
    std::string Tag;
    std::string Parameter;
    std::string OnAction;
    std::string TooltipText;
    bool BeginGroup = false;
    bool Enabled = true;
    bool Visible = true;
    bool BuiltIn = false;
    std::vector<ControlSpec> Controls;  // a popup's menu
};

struct BarSpec {
    std::string Name;
    std::vector<ControlSpec> Controls;
};

// The command bars a new window of one kind gets. The host starts from its defaults and keeps
// what the user (or an add-in) changed for good: when a window closes, its bars without their
// temporary controls become the layout of the next window of that kind.
struct CommandBarLayout {
    std::vector<BarSpec> Bars;

    // The host's command that starts a new mail to the selected or shown contact.
    static constexpr int NewMessageToContact = 1978;

    static CommandBarLayout DefaultExplorer();
    static CommandBarLayout DefaultInspector();

    // Customisations, each answering whether it found what it changes.
    // Takes the bar away.
    bool RemoveBar(const std::string& name);
    // Takes away every control of that caption (accelerators ignored), menus included.
    bool RemoveControl(const std::string& caption);
    // Puts a control at the end of the bar.
    bool AddControl(const std::string& barName, const ControlSpec& control);
    const BarSpec* Bar(const std::string& name) const;
};

}  // namespace pwk::sim
