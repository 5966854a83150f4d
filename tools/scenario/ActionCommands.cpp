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
#include "sim/SimOptionsPage.h"
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
#include "src/tracking/SettingsLayout.h"
#include "src/util/Failure.h"
#include "src/util/Ref.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/CoreSettingsHandBack.h"
#include "tools/scenario/DateArgument.h"
#include "tools/scenario/Describe.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {

// The switches the options page can turn on and off, as the layout names them.
std::string SwitchNames() {
    std::string names;
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.IsSwitch()) {
            names += (names.empty() ? "" : ", ") + std::string(entry.PropertyName());
        }
    }
    return names;
}

}  // namespace

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

void CommandRunner::Options(const Command& /*command*/) {
    Act();
    OpenOptionsDialog();
}

// Opens the options dialog and lists the pages add-ins put in; returns the add-in's own page
// when it is among them and was initialised.
std::shared_ptr<sim::SimOptionsPage> CommandRunner::OpenOptionsDialog() {
    const auto pages = session_.Host().OpenOptionsDialog();
    lastPages_ = pages.size();
    transcript_.Event("options dialog: " + std::to_string(pages.size()) +
                      (pages.size() == 1 ? " page" : " pages") + " from add-ins");
    std::shared_ptr<sim::SimOptionsPage> ours;
    for (const auto& page : pages) {
        auto optionsPage = std::dynamic_pointer_cast<sim::SimOptionsPage>(page.Page);
        const bool initialized = optionsPage && optionsPage->InitializedWith();
        // A page added without a caption shows its own.
        const std::string caption =
            page.Caption.empty() && optionsPage ? sim::SimOptionsPage::Caption : page.Caption;
        std::string line = "  page \"" + caption + "\"";
        if (initialized) {
            const auto& with = *optionsPage->InitializedWith();
            line += std::string(" (") + OptionsPageProgID + ", initialized with " +
                    (with.Application.lock() ? "the host" : "no host") + ", " +
                    (PageSettings(*optionsPage) ? "the live settings" : "other settings") +
                    ", help file \"" + with.HelpFile + "\", " +
                    (with.ErrorObjectGiven ? "the error object" : "no error object") + ", " +
                    with.Info.Title + " " + std::to_string(with.Info.Version.Major) + "." +
                    std::to_string(with.Info.Version.Minor) + "." +
                    std::to_string(with.Info.Version.Revision) + ")";
            ours = optionsPage;
        }
        transcript_.Event(line);
    }
    return ours;
}

// The settings the add-in gave its page: the core's live object when the core runs in this
// process (any other object counts as none), else what the external add-in passed through COM.
std::unique_ptr<SettingsHandBack> CommandRunner::PageSettings(const sim::SimOptionsPage& page) {
    if (ExternalAddIn* external = session_.External()) {
        return external->PageSettings(page, session_.Host());
    }
    const auto& with = page.InitializedWith();
    const auto settings = with ? with->Settings.lock() : nullptr;
    const auto connect = session_.AddIn();
    const auto app = connect ? connect->AddinApp() : nullptr;
    if (!settings || !app || settings != app->theRegSettings()) {
        return nullptr;
    }
    sim::SimHost& host = session_.Host();
    return std::make_unique<CoreSettingsHandBack>(settings, *session_.CurrentComponent(),
                                                  host.Application(),
                                                  Lookup::App(host)->MailboxPtr());
}

// The options page's way of handing back settings, as a user edits them there: a copy of the
// live settings the page was given, changed by `edit`, handed to the live ones' UpdateFrom.
// `edit` answers false when the page refuses the change (and has said why); nothing changes
// then.
void CommandRunner::HandBackSettings(const std::function<bool(SettingsHandBack&)>& edit) {
    if (!session_.External()) {
        const auto connect = session_.AddIn();
        const auto addinApp = connect ? connect->AddinApp() : nullptr;
        if (!addinApp || !addinApp->theRegSettings()) {
            throw CommandError("the add-in is not running, so it has no settings to change");
        }
    }
    const auto page = OpenOptionsDialog();
    const auto settings = page ? PageSettings(*page) : nullptr;
    if (!settings) {
        transcript_.Event("the options dialog has no Parleywick page: nothing changes");
        return;
    }
    try {
        settings->Copy();
        if (edit(*settings)) {
            settings->HandBack();
        }
    } catch (const Failure& failure) {
        transcript_.Event("the options page reports failure " + std::to_string(failure.Number) +
                          ": " + failure.Description);
    }
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

void CommandRunner::Track(const Command& command) {
    Act();
    const auto contacts = Folder(command.Args[0]);
    const auto journal = Folder(command.Args[1]);
    const auto emails = Folder(command.Args[2]);
    const SettingsHandBack::FolderIds ids{contacts->EntryId(), contacts->StoreId(),
                                          journal->EntryId(),  journal->StoreId(),
                                          emails->EntryId(),   emails->StoreId()};
    HandBackSettings([&](SettingsHandBack& settings) {
        if (!settings.AddFolderset(ids)) {
            transcript_.Event("the options page refuses the folderset: " + settings.FailReason());
            return false;
        }
        transcript_.Event("the options page hands back " + std::to_string(settings.Count()) +
                          " tracked folderset(s)");
        return true;
    });
}

void CommandRunner::Untrack(const Command& command) {
    Act();
    const std::int32_t position = Lookup::Number32(command.Args[0]);
    HandBackSettings([&](SettingsHandBack& settings) {
        const std::int32_t count = settings.Count();
        if (position < 1 || position > count) {
            throw CommandError("there is no tracked folderset " + command.Args[0] + " (" +
                               std::to_string(count) + " are tracked)");
        }
        settings.RemoveFolderset(position);
        transcript_.Event("the options page hands back " + std::to_string(settings.Count()) +
                          " tracked folderset(s)");
        return true;
    });
}

void CommandRunner::Option(const Command& command) {
    Act();
    const std::string& name = command.Args[0];
    if (SettingsLayout::FindSwitch(name) == nullptr) {
        throw CommandError("there is no option \"" + name + "\" (" + SwitchNames() + ")");
    }
    HandBackSettings([&](SettingsHandBack& settings) {
        settings.SetSwitch(name, command.Args[1] == "on");
        transcript_.Event("the options page hands back " + name + " " + command.Args[1]);
        return true;
    });
}

}  // namespace pwk::scenario
