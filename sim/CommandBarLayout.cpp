#include "sim/CommandBarLayout.h"

#include <algorithm>

#include "src/host/HostTypes.h"

namespace pwk::sim {
namespace {

ControlSpec Command(int id, const std::string& caption, bool beginGroup = false) {
    ControlSpec spec;
    spec.Id = id;
    spec.Caption = caption;
    spec.BeginGroup = beginGroup;
    spec.BuiltIn = true;
    return spec;
}

ControlSpec Menu(int id, const std::string& caption, std::vector<ControlSpec> controls) {
    ControlSpec spec = Command(id, caption);
    spec.Type = host::ControlType::Popup;
    spec.Controls = std::move(controls);
    return spec;
}

BarSpec MenuBar(std::vector<ControlSpec> actions) {
    return {"Menu Bar",
            {Menu(30002, "&File", {Command(18, "&New"), Command(4, "&Print...")}),
             Menu(30003, "&Edit", {Command(19, "&Copy"), Command(478, "&Delete")}),
             Menu(30131, "Actions", std::move(actions)),
             Menu(30007, "&Tools", {Command(522, "&Options...")})}};
}

std::string WithoutAccelerators(std::string caption) {
    std::erase(caption, '&');
    return caption;
}

bool RemoveFrom(std::vector<ControlSpec>& controls, const std::string& caption) {
    const auto removed = std::erase_if(controls, [&](const ControlSpec& control) {
        return WithoutAccelerators(control.Caption) == WithoutAccelerators(caption);
    });
    bool found = removed > 0;
    for (auto& control : controls) {
        found = RemoveFrom(control.Controls, caption) || found;
    }
    return found;
}

}  // namespace

bool CommandBarLayout::RemoveBar(const std::string& name) {
    return std::erase_if(Bars, [&](const BarSpec& bar) { return bar.Name == name; }) > 0;
}

bool CommandBarLayout::RemoveControl(const std::string& caption) {
    bool found = false;
    for (auto& bar : Bars) {
        found = RemoveFrom(bar.Controls, caption) || found;
    }
    return found;
}

bool CommandBarLayout::AddControl(const std::string& barName, const ControlSpec& control) {
    for (auto& bar : Bars) {
        if (bar.Name == barName) {
            bar.Controls.push_back(control);
            return true;
        }
    }
    return false;
}

const BarSpec* CommandBarLayout::Bar(const std::string& name) const {
    const auto found = std::find_if(Bars.begin(), Bars.end(),
                                    [&](const BarSpec& bar) { return bar.Name == name; });
    return found == Bars.end() ? nullptr : &*found;
}

CommandBarLayout CommandBarLayout::DefaultExplorer() {
    const int newMessage = CommandBarLayout::NewMessageToContact;
    return {{MenuBar({Command(1992, "New Mail &Message"), Command(1990, "&Forward", true)}),
             {"Standard",
              {Menu(30037, "&New",
                    {Command(1992, "Mail Message"), Command(newMessage, "Message to Contact"),
                     Command(1106, "Appointment")}),
               Command(4, "Print"), Command(478, "Delete", true), Command(1990, "Forward"),
               Command(5598, "Find", true), Command(353, "Address Book"),
               Command(984, "Help", true)}}}};
}

CommandBarLayout CommandBarLayout::DefaultInspector() {
    return {
        {MenuBar({Command(1992, "New Mail &Message"), Command(1990, "&Forward", true)}),
         {"Standard",
          {Command(5568, "Save and Close"), Command(4, "Print", true), Command(1079, "Insert File"),
           Command(CommandBarLayout::NewMessageToContact, "New Message to Contact", true),
           Command(478, "Delete"), Command(984, "Help", true)}}}};
}

}  // namespace pwk::sim
