// What the user does in the host.

#include <chrono>
#include <functional>
#include <map>

#include "sim/SimApplication.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "sim/SimWindows.h"
#include "src/app/OptionsPageComponent.h"
#include "src/app/PWKAddinApp.h"
#include "src/errorlib/ErrorLibrary.h"
#include "src/host/AddIn.h"
#include "src/host/CommandBarControl.h"
#include "src/host/MapiSession.h"
#include "src/platform/FileUtility.h"
#include "src/startup/Connect.h"
#include "src/tracking/RegSettings.h"
#include "src/util/Failure.h"
#include "src/util/Ref.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/DateArgument.h"
#include "tools/scenario/Describe.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

void CommandRunner::Explorer(const Command& command) {
    Act();
    focus_.Bring(session_.Host().OpenExplorer(Folder(command.Args[0])->Path()));
}

void CommandRunner::Switch(const Command& command) {
    Act();
    auto explorer = CurrentExplorer();
    focus_.Bring(explorer);
    session_.Host().SwitchFolder(explorer, Folder(command.Args[0])->Path());
}

void CommandRunner::Select(const Command& command) {
    Act();
    auto explorer = CurrentExplorer();
    focus_.Bring(explorer);
    const auto folder = explorer->Folder();
    if (!folder && !command.Args.empty()) {
        throw CommandError("the explorer shows no folder");
    }
    std::vector<Ref<host::Item>> items;
    for (const std::string& ref : command.Args) {
        items.push_back(Lookup::Item(*folder, ref)->AsItem());
    }
    session_.Host().Select(explorer, items);
}

void CommandRunner::Open(const Command& command) {
    Act();
    std::shared_ptr<sim::SimFolder> folder;
    if (command.Has("in")) {
        folder = Folder(command.Option("in"));
    } else {
        folder = CurrentExplorer()->Folder();
        if (!folder) {
            throw CommandError("the explorer shows no folder (say in=FOLDER)");
        }
    }
    const auto item = Lookup::Item(*folder, command.Args[0]);
    if (auto inspector = session_.Host().OpenItem(item->AsItem())) {
        focus_.Bring(inspector);
    }
}

void CommandRunner::ComposeMail(const Command& command) {
    Act();
    sim::SimHost& host = session_.Host();
    const auto mail = host.ComposeMail(command.Option("subject"));
    const auto item = mail->AsItem();
    const std::pair<const char*, sim::RecipientKind> lists[] = {{"to", sim::RecipientKind::To},
                                                                {"cc", sim::RecipientKind::Cc},
                                                                {"bcc", sim::RecipientKind::Bcc}};
    for (const auto& [key, kind] : lists) {
        for (const std::string& address : Lookup::List(command.Option(key))) {
            host.AddRecipient(item, address, "", kind);
        }
    }
    if (command.Has("body")) {
        host.SetField(item, "Body", command.Option("body"));
    }
    if (auto inspector = host.InspectorOf(item)) {
        focus_.Bring(inspector);
    }
}

void CommandRunner::ComposeAppointment(const Command& command) {
    Act();
    sim::SimHost& host = session_.Host();
    const auto appointment = host.ComposeAppointment(command.Option("subject"));
    const host::Date today = host.Info().Now;
    const host::Date start =
        command.Has("start") ? ParseDateArgument(command.Option("start"), today) : today;
    // An end given as a time alone is on the start's day.
    const host::Date end = command.Has("end") ? ParseDateArgument(command.Option("end"), start)
                                              : start + std::chrono::minutes(30);
    if (end < start) {
        throw CommandError("the appointment would end before it starts");
    }
    // What the user types into the inspector's time fields.
    appointment->SetDateField("Start", start);
    appointment->SetDateField("End", end);
    appointment->SetNumberField(
        "Duration", static_cast<std::int32_t>(
                        std::chrono::duration_cast<std::chrono::minutes>(end - start).count()));
    if (command.Has("body")) {
        host.SetField(appointment->AsItem(), "Body", command.Option("body"));
    }
    if (auto inspector = host.InspectorOf(appointment->AsItem())) {
        focus_.Bring(inspector);
    }
}

void CommandRunner::Link(const Command& command) {
    Act();
    const auto item = InspectorItem();
    const auto contact = command.Has("in")
                             ? Lookup::Item(*Folder(command.Option("in")), command.Args[0])
                             : Lookup::Contact(session_.Host(), command.Args[0]);
    session_.Host().AddLink(item->AsItem(), contact->AsItem());
    transcript_.Event(Describe::ItemName(*item) + " linked to " + Describe::ItemName(*contact));
}

void CommandRunner::Send(const Command& /*command*/) {
    Act();
    const auto mail = InspectorItem();
    lastSendWent_ = session_.Host().Send(mail->AsItem());
    transcript_.Event(*lastSendWent_ ? "the mail is sent" : "the send was cancelled");
}

void CommandRunner::Save(const Command& /*command*/) {
    Act();
    const auto item = InspectorItem();
    session_.Host().Save(item->AsItem());
}

void CommandRunner::Click(const Command& command) {
    Act();
    const auto window = FrontWindow();
    const auto control = Lookup::Control(*window, command.Args[0]);
    if (!control) {
        throw CommandError(Where(*window) + " has no control \"" + command.Args[0] +
                           "\" (\"show buttons\" lists them)");
    }
    transcript_.Event("click " + Describe::Control(*control) + " on " + Where(*window));
    const auto app = Lookup::App(session_.Host());
    const std::size_t inspectorsBefore = app->InspectorList().All().size();
    session_.Host().Click(control->Self<host::CommandBarControl>());
    // A window the click opened (an entry, a mail, an appointment to fill in) comes to the front.
    const auto& inspectors = app->InspectorList().All();
    if (inspectors.size() > inspectorsBefore) {
        focus_.Bring(inspectors.back().get());
    }
}

void CommandRunner::Toolbar(const Command& command) {
    Act();
    const auto window = FrontWindow();
    transcript_.Event("the " + command.Args[0] + " bar is turned on in " + Where(*window));
    session_.Host().ShowToolbar(*window, command.Args[0]);
}

void CommandRunner::Close(const Command& command) {
    Act();
    sim::SimHost& host = session_.Host();
    const auto app = Lookup::App(host);
    std::shared_ptr<sim::SimWindowState> window;
    if (command.Args.empty()) {
        window = FrontWindow();
    } else if (command.Args.size() == 1) {
        window = command.Args[0] == "explorer"
                     ? std::shared_ptr<sim::SimWindowState>(CurrentExplorer())
                     : std::shared_ptr<sim::SimWindowState>(CurrentInspector());
    } else {
        const std::int64_t n = Lookup::Number(command.Args[1]);
        const bool explorers = command.Args[0] == "explorer";
        const std::size_t count =
            explorers ? app->ExplorerList().All().size() : app->InspectorList().All().size();
        if (n < 1 || static_cast<std::size_t>(n) > count) {
            throw CommandError("there is no " + command.Args[0] + " " + command.Args[1] + " (" +
                               std::to_string(count) + " open)");
        }
        const auto index = static_cast<std::size_t>(n - 1);
        window =
            explorers
                ? std::shared_ptr<sim::SimWindowState>(app->ExplorerList().All()[index].get())
                : std::shared_ptr<sim::SimWindowState>(app->InspectorList().All()[index].get());
    }
    transcript_.Event("closing " + Where(*window));
    if (auto explorer = As<sim::SimExplorer>(window)) {
        host.Close(explorer->Self<host::Explorer>());
    } else if (auto inspector = As<sim::SimInspector>(window)) {
        host.Close(inspector->Self<host::Inspector>());
    }
    if (!host.Running()) {
        watch_.Report(host, transcript_);
        transcript_.Event("that was the last window: the host has shut down");
    }
}

void CommandRunner::Deliver(const Command& command) {
    Act();
    if (!command.Has("from") || !command.Has("subject")) {
        throw CommandError("deliver needs from=ADDRESS and subject=TEXT");
    }
    sim::IncomingMail mail;
    mail.SenderAddress = command.Option("from");
    mail.SenderName = command.Option("name", mail.SenderAddress);
    mail.Subject = command.Option("subject");
    mail.Body = command.Option("body");
    session_.Host().DeliverMail(mail);
}

// What a user types into the open item's text fields.
void CommandRunner::Type(const Command& command) {
    Act();
    const auto item = InspectorItem();
    for (const auto& [field, value] : command.Options) {
        session_.Host().SetField(item->AsItem(), field, value);
        transcript_.Event(Describe::ItemName(*item) + ": " + field + " typed");
    }
}

void CommandRunner::Absent(const Command& command) {
    static const std::map<std::string, std::pair<std::string, std::string>> components{
        {"options-page", {OptionsPageProgID, "the options page"}},
        {"messaging", {host::MapiSessionProgID, "the messaging library"}},
        {"error-library", {ErrorLibraryProgID, "the error library"}},
        {"file-utility", {FileUtilityProgID, "the file utility"}},
    };
    const auto& [progId, name] = components.at(command.Args[0]);
    session_.MakeAbsent(progId);
    transcript_.Event(name + " (" + progId + ") is not installed");
}

void CommandRunner::AddInOff(const Command& /*command*/) {
    Act();
    sim::SimHost& host = session_.Host();
    if (!session_.Running() || !host.AddInLoaded(Session::AddInProgID)) {
        throw CommandError("the add-in is not loaded in a running host");
    }
    transcript_.Event(std::string("the user switches ") + Session::AddInProgID +
                      " off in the host's add-in list (OnDisconnection, remove mode " +
                      std::to_string(host::DisconnectMode::UserClosed) + ")");
    host.UnloadAddIn(Session::AddInProgID);
}

void CommandRunner::AddInOn(const Command& command) {
    Act();
    if (!session_.Running()) {
        throw CommandError("the host is not running (use \"start\")");
    }
    const int mode = command.Has("mode") ? Lookup::Number32(command.Option("mode"))
                                         : host::ConnectMode::AfterStartup;
    transcript_.Event(std::string("the user switches ") + Session::AddInProgID +
                      " on in the host's add-in list (connection mode " + std::to_string(mode) +
                      ")");
    session_.LoadAddIn(mode);
}

}  // namespace pwk::scenario
