#include "src/app/OptionsPageComponent.h"
#include "src/component/ApplicationInfo.h"
#include "src/host/Application.h"
#include "src/host/MapiSession.h"
#include "win/automation/DispatchObject.h"
#include "win/dispatch/PlainObject.h"
#include "win/published/AppInfoObject.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/KindMembers.h"

// windows.h names the message-queue function GetMessage too; here it is the session's method.
#undef GetMessage

namespace pwk::bridge {

MemberTable MapiSessionMembers() {
    using host::MapiSession;
    MemberTable table;
    // Logon(ProfileName, ProfilePassword, ShowDialog, NewSession): no password is passed.
    table
        .Method<MapiSession>("Logon",
                             [](MapiSession& session, const win::DispatchCall& call) {
                                 session.Logon(TextArg(call, 0), FlagArg(call, 2, false),
                                               FlagArg(call, 3, false));
                             })
        .Method<MapiSession>(
            "GetMessage",
            [](MapiSession& session, const win::DispatchCall& call) {
                return Bridged(session.GetMessage(TextArg(call, 0), TextArg(call, 1)));
            })
        .Method<MapiSession>(
            "Logoff", [](MapiSession& session, const win::DispatchCall&) { session.Logoff(); });
    return table;
}

// The sender is an address entry of the messaging library: it crosses as a small object of its
// own with the address, which holds nothing of the host.
MemberTable MapiMessageMembers() {
    MemberTable table;
    table.Read<host::MapiMessage>("Sender", [](host::MapiMessage& message) {
        auto sender = win::DispatchObject::Make();
        sender->Value("Address", win::Variant(message.SenderAddress()));
        return win::Variant(static_cast<IDispatch*>(sender.Get()));
    });
    return table;
}

// Initialize(Application, Settings, HelpFile, ErrorObject, AppInfo), the error object passed by
// reference. The component's live settings and error object are automation objects of the
// component, which no C++ type of this process stands for: a page here gets neither.
MemberTable OptionsPageMembers() {
    MemberTable table;
    table.Method<OptionsPageComponent>(
        "Initialize", [](OptionsPageComponent& page, const win::DispatchCall& call) {
            std::shared_ptr<ErrorLibrary> noErrorObject;
            page.Initialize(ObjectArgAs<host::Application>(call, 0), nullptr, TextArg(call, 2),
                            noErrorObject, win::AppInfoObject::Read(call.Arg(4)));
        });
    return table;
}

}  // namespace pwk::bridge
