#include "src/app/OptionsPageComponent.h"
#include "src/component/ApplicationInfo.h"
#include "src/host/Application.h"
#include "src/host/MapiSession.h"
#include "win/automation/DispatchObject.h"
#include "win/dispatch/PlainObject.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/ForeignOptionsPage.h"
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

namespace {

// An object argument as the caller passed it (by reference or not); null for nothing.
win::ComPtr<IDispatch> ForeignArg(const win::DispatchCall& call, std::size_t index) {
    const win::Variant value = call.Arg(index);
    return value.IsMissing() ? win::ComPtr<IDispatch>()
                             : win::ComPtr<IDispatch>(value.ToDispatch());
}

// The component's application-information object: its title, folder, version and help file.
ApplicationInfo InfoOf(const win::Variant& value) {
    const win::PlainObject<struct ApplicationInfoKind> info(value);
    const auto part = [&](const char* name) {
        return static_cast<std::int16_t>(info.Get(name).ToInt32());
    };
    return ApplicationInfo{info.Get("Title").ToString(), info.Get("Path").ToString(),
                           Version{part("Major"), part("Minor"), part("Revision")},
                           info.Get("HelpFile").ToString()};
}

}  // namespace

// Initialize(Application, Settings, HelpFile, ErrorObject, AppInfo), the error object passed by
// reference. A page that takes the component's own objects gets them as they came.
MemberTable OptionsPageMembers() {
    MemberTable table;
    table.Method<OptionsPageComponent>(
        "Initialize", [](OptionsPageComponent& page, const win::DispatchCall& call) {
            const auto application = ObjectArgAs<host::Application>(call, 0);
            const std::string helpFile = TextArg(call, 2);
            const ApplicationInfo info = InfoOf(call.Arg(4));
            if (auto* foreign = dynamic_cast<ForeignOptionsPage*>(&page)) {
                foreign->InitializeForeign(application, ForeignArg(call, 1), helpFile,
                                           ForeignArg(call, 3), info);
                return;
            }
            std::shared_ptr<ErrorLibrary> noErrorObject;
            page.Initialize(application, nullptr, helpFile, noErrorObject, info);
        });
    return table;
}

}  // namespace pwk::bridge
