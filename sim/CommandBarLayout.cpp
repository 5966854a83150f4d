#include "sim/CommandBarLayout.h"

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

}  // namespace

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
