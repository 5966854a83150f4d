#include "src/host/CommandBar.h"
#include "src/host/CommandBarControl.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBarPopup.h"
#include "src/host/CommandBars.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/KindMembers.h"

namespace pwk::bridge {

MemberTable CommandBarsMembers() {
    MemberTable table;
    table.Method<host::CommandBars>("Item",
                                    [](host::CommandBars& bars, const win::DispatchCall& call) {
                                        return Bridged(bars.Item(TextArg(call, 0)));
                                    });
    return table;
}

MemberTable CommandBarMembers() {
    using host::CommandBar;
    MemberTable table;
    table.Read<CommandBar>("Name", [](CommandBar& bar) { return bar.Name(); })
        .Read<CommandBar>("Controls", [](CommandBar& bar) { return Bridged(bar.Controls()); })
        .Method<CommandBar>("FindControl", [](CommandBar& bar, const win::DispatchCall& call) {
            host::FindControlQuery query;
            query.Type = OptionalNumber(call, 0);
            query.Id = OptionalNumber(call, 1);
            query.Tag = OptionalText(call, 2);
            query.Visible = OptionalFlag(call, 3);
            query.Recursive = FlagArg(call, 4, false);
            return Bridged(bar.FindControl(query));
        });
    return table;
}

MemberTable CommandBarControlsMembers() {
    using host::CommandBarControls;
    MemberTable table;
    table
        .Read<CommandBarControls>("Count",
                                  [](CommandBarControls& controls) { return controls.Count(); })
        .Method<CommandBarControls>(
            "Item",
            [](CommandBarControls& controls, const win::DispatchCall& call) {
                if (V_VT(call.Arg(0).Get()) == VT_BSTR) {
                    return Bridged(controls.Item(TextArg(call, 0)));
                }
                return Bridged(controls.Item(NumberArg(call, 0)));
            })
        .Method<CommandBarControls>(
            "Add", [](CommandBarControls& controls, const win::DispatchCall& call) {
                return Bridged(controls.Add(NumberArg(call, 0), OptionalNumber(call, 1),
                                            TextArg(call, 2), OptionalNumber(call, 3),
                                            FlagArg(call, 4, false)));
            });
    return table;
}

MemberTable ControlMembers() {
    using Control = host::CommandBarControl;
    using Value = const win::Variant&;
    MemberTable table;
    table.Read<Control>("Id", [](Control& control) { return control.Id(); })
        .Read<Control>("Type", [](Control& control) { return control.Type(); })
        .ReadWrite<Control>(
            "Caption", [](Control& control) { return control.Caption(); },
            [](Control& control, Value value) { control.SetCaption(value.ToString()); })
        .ReadWrite<Control>(
            "TooltipText", [](Control& control) { return control.TooltipText(); },
            [](Control& control, Value value) { control.SetTooltipText(value.ToString()); })
        .ReadWrite<Control>(
            "Tag", [](Control& control) { return control.Tag(); },
            [](Control& control, Value value) { control.SetTag(value.ToString()); })
        .ReadWrite<Control>(
            "OnAction", [](Control& control) { return control.OnAction(); },
            [](Control& control, Value value) { control.SetOnAction(value.ToString()); })
        .ReadWrite<Control>(
            "Parameter", [](Control& control) { return control.Parameter(); },
            [](Control& control, Value value) { control.SetParameter(value.ToString()); })
        .ReadWrite<Control>(
            "BeginGroup", [](Control& control) { return control.BeginGroup(); },
            [](Control& control, Value value) { control.SetBeginGroup(value.ToBool()); })
        .ReadWrite<Control>(
            "Enabled", [](Control& control) { return control.Enabled(); },
            [](Control& control, Value value) { control.SetEnabled(value.ToBool()); })
        .ReadWrite<Control>(
            "Visible", [](Control& control) { return control.Visible(); },
            [](Control& control, Value value) { control.SetVisible(value.ToBool()); })
        .Read<Control>("Temporary", [](Control& control) { return control.Temporary(); })
        .Method<Control>("Move",
                         [](Control& control, const win::DispatchCall& call) {
                             control.Move(ObjectArgAs<host::CommandBar>(call, 0),
                                          OptionalNumber(call, 1));
                         })
        .Method<Control>("Delete",
                         [](Control& control, const win::DispatchCall& call) {
                             control.Delete(OptionalFlag(call, 0));
                         })
        .Method<Control>("Execute",
                         [](Control& control, const win::DispatchCall&) { control.Execute(); })
        .Read<Control>("Parent", [](Control& control) { return Bridged(control.Parent()); });
    return table;
}

MemberTable PopupMembers() {
    MemberTable table = ControlMembers();
    table.Read<host::CommandBarPopup>(
        "Controls", [](host::CommandBarPopup& popup) { return Bridged(popup.Controls()); });
    return table;
}

}  // namespace pwk::bridge
