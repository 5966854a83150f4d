// Set-up commands, answers, notes and planned failures.

#include "sim/FaultInjector.h"
#include "sim/HostError.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "src/host/AddIn.h"
#include "src/platform/SettingsStore.h"
#include "src/util/Failure.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/CommandTable.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {
// What a planned failure raises when the scenario names no number: the host's "unspecified
// failure".
constexpr std::int32_t kDefaultFailure = sim::HostError::OperationFailed;
}  // namespace

void CommandRunner::Mailbox(const Command& command) {
    session_.UseMailbox(command.Args[0]);
    transcript_.Event("mailbox: " + command.Args[0]);
}

void CommandRunner::Settings(const Command& command) {
    if (command.Args[0] == "memory") {
        session_.UseMemorySettings();
    } else {
        session_.UseSettingsFile(command.Args[0]);
    }
    transcript_.Event("settings kept in " + session_.SettingsLocation());
}

void CommandRunner::Setting(const Command& command) {
    session_.Store().SaveSetting(Session::AppName, command.Args[0], command.Args[1],
                                 command.Args[2]);
}

void CommandRunner::HostName(const Command& command) {
    session_.NextHostInfo().Name = command.Args[0];
}

void CommandRunner::HostVersion(const Command& command) {
    session_.NextHostInfo().Version = command.Args[0];
}

void CommandRunner::HostProductCode(const Command& command) {
    session_.NextHostInfo().ProductCode = command.Args[0];
}

void CommandRunner::HostCommandLine(const Command& command) {
    session_.NextHostInfo().CommandLine = command.Args[0];
}

void CommandRunner::HostMailEditor(const Command& command) {
    const std::string& name = command.Args[0];
    const int editor = name == "text"   ? host::EditorType::Text
                       : name == "html" ? host::EditorType::Html
                       : name == "rich" ? host::EditorType::RichText
                                        : host::EditorType::Word;
    session_.SetMailEditor(editor);
}

void CommandRunner::HostTypeName(const Command& command) {
    session_.NextHostInfo().TypeName = command.Args[0];
}

void CommandRunner::HostOs(const Command& command) {
    const auto number = [&](std::size_t i) {
        return static_cast<std::uint32_t>(Lookup::Number(command.Args[i]));
    };
    OsVersionInfo info;
    info.PlatformId = number(0);
    info.MajorVersion = number(1);
    info.MinorVersion = number(2);
    info.BuildNumber = number(3);
    info.CSDVersion = command.Args.size() > 4 ? command.Args[4] : "";
    session_.Platform().SetVersionInfo(info);
}

// Both flags belong to the error library: the core's is told at once, the component's reads
// them from its machine when its error library is made at start.
void CommandRunner::DebugMode(const Command& command) {
    session_.SetDebugMode(command.Args[0] == "on");
}

void CommandRunner::Unattended(const Command& command) {
    session_.Platform().SetUnattended(command.Args[0] == "on");
}

void CommandRunner::HostWithoutBar(const Command& command) {
    const std::string bar = command.Args[1];
    session_.EditLayout(command.Args[0] == "explorer",
                        [bar](sim::CommandBarLayout& layout) { return layout.RemoveBar(bar); });
}

void CommandRunner::HostWithoutControl(const Command& command) {
    const std::string caption = command.Args[1];
    session_.EditLayout(command.Args[0] == "explorer", [caption](sim::CommandBarLayout& layout) {
        return layout.RemoveControl(caption);
    });
}

// A button of an add-in that an earlier run put on a bar for good and never took away.
void CommandRunner::HostLeftover(const Command& command) {
    sim::ControlSpec control;
    control.Caption = command.Args[2];
    control.Tag = command.Args[3];
    control.Parameter = command.Args[3];
    control.Visible = command.Args.size() < 5 || command.Args[4] == "shown";
    const std::string bar = command.Args[1];
    session_.EditLayout(
        command.Args[0] == "explorer",
        [bar, control](sim::CommandBarLayout& layout) { return layout.AddControl(bar, control); });
}

void CommandRunner::Start(const Command& command) {
    Act();
    // The windows the host shows before the add-in loads: explorers on the Inbox (or on each
    // folder of the list, or none), then a new mail when the client was started to write one.
    std::vector<std::optional<std::string>> explorers{std::nullopt};
    if (command.Has("explorer")) {
        explorers.clear();
        for (const std::string& folder : Lookup::List(command.Option("explorer"))) {
            if (folder != "none") {
                explorers.emplace_back(folder);
            }
        }
    }
    const std::string inspector = command.Option("inspector");
    if (!inspector.empty() && inspector != "mail") {
        throw CommandError("start: inspector=" + inspector +
                           " is not \"mail\" (usage: start [explorer=FOLDER[,FOLDER ...]|none] "
                           "[inspector=mail] [mode=N])");
    }
    const int mode =
        command.Has("mode") ? Lookup::Number32(command.Option("mode")) : host::ConnectMode::Startup;
    session_.Boot();
    sim::SimHost& host = session_.Host();
    watch_.Baseline(host);
    focus_.Reset();
    lastSendWent_.reset();
    const sim::HostInfo& info = host.Info();
    transcript_.Event("host \"" + info.Name + "\" " + info.Version + " starts" +
                      (info.CommandLine.empty() ? "" : " with \"" + info.CommandLine + "\""));
    for (const auto& explorer : explorers) {
        session_.OpenFirstWindow(explorer);
    }
    if (!inspector.empty()) {
        if (auto window = host.InspectorOf(host.ComposeMail("")->AsItem())) {
            focus_.Bring(window);
        }
    }
    watch_.Report(host, transcript_);
    session_.LoadAddIn(mode);
    transcript_.Event(std::string("add-in ") + Session::AddInProgID +
                      (session_.AddInCreated() ? " loaded" : " could not be created"));
}

void CommandRunner::Quit(const Command& /*command*/) {
    Act();
    CloseOptionsDialog();
    session_.Quit();
    watch_.Report(session_.Host(), transcript_);
    transcript_.Event("the host has shut down");
}

void CommandRunner::Answer(const Command& command) {
    for (const std::string& name : command.Args) {
        session_.Platform().QueueScenarioAnswer(name, command.Line);
    }
}

void CommandRunner::ChooseFile(const Command& command) {
    if (command.Args[0] == "cancel") {
        session_.FileUtility().QueueCancel();
    } else {
        session_.FileUtility().QueueChoice(command.Args[0]);
    }
}

void CommandRunner::Note(const Command& command) {
    std::string text;
    for (const std::string& word : command.Args) {
        text += (text.empty() ? "" : " ") + word;
    }
    transcript_.Heading(text);
}

void CommandRunner::Help(const Command& /*command*/) {
    for (const CommandSpec& spec : CommandTable::Standard().All()) {
        transcript_.Event(spec.Usage);
        transcript_.Event("    " + spec.Summary);
    }
}

void CommandRunner::Fail(const Command& command) {
    const std::string member = command.Args[0];
    const std::int32_t number =
        command.Args.size() > 1 ? Lookup::Number32(command.Args[1]) : kDefaultFailure;
    std::optional<int> times;
    if (command.Has("times")) {
        times = Lookup::Number32(command.Option("times"));
    }
    session_.PlanFault(
        [=](sim::FaultInjector& faults) { faults.FailMember(member, number, times); });
    transcript_.Event("every call of " + member + " fails with " + std::to_string(number) +
                      (times ? " (the next " + std::to_string(*times) + ")" : ""));
}

void CommandRunner::Nothing(const Command& command) {
    const std::string member = command.Args[0];
    std::optional<int> times;
    if (command.Has("times")) {
        times = Lookup::Number32(command.Option("times"));
    }
    session_.PlanFault([=](sim::FaultInjector& faults) { faults.GiveNothing(member, times); });
    transcript_.Event("every call of " + member + " hands back nothing" +
                      (times ? " (the next " + std::to_string(*times) + ")" : ""));
}

void CommandRunner::FailCall(const Command& command) {
    const std::int64_t n = Lookup::Number(command.Args[0]);  // from 1, the next host call
    const std::int32_t number =
        command.Args.size() > 1 ? Lookup::Number32(command.Args[1]) : kDefaultFailure;
    session_.PlanFault([=](sim::FaultInjector& faults) { faults.FailNthCall(n, number); });
    transcript_.Event("host call " + std::to_string(n) + " from now fails with " +
                      std::to_string(number));
}

void CommandRunner::FailFile(const Command& command) {
    using Operation = sim::ScriptedPlatform::FileOperation;
    const std::int32_t number = command.Args.size() > 1 ? Lookup::Number32(command.Args[1]) : 70;
    const std::string on = command.Option("on");
    if (!on.empty() && on != "copy" && on != "delete") {
        throw CommandError("fail-file: on=" + on + " is not copy or delete");
    }
    const Operation operation = on == "copy"     ? Operation::Copy
                                : on == "delete" ? Operation::Delete
                                                 : Operation::Any;
    session_.Platform().FailPath(command.Args[0], number, operation);
    const std::string what = on.empty()     ? "copying or deleting"
                             : on == "copy" ? "copying"
                                            : "deleting";
    transcript_.Event(what + " \"" + command.Args[0] + "\" fails with " + std::to_string(number));
}

void CommandRunner::FailStore(const Command& command) {
    using Operation = FailingSettingsStore::Operation;
    const std::string& what = command.Args[0];
    const Operation operation = what == "read"   ? Operation::Read
                                : what == "save" ? Operation::Save
                                                 : Operation::Remove;
    const std::int32_t number = command.Args.size() > 1 ? Lookup::Number32(command.Args[1]) : 5;
    if (session_.External() && number != FailureNumber::InvalidProcedureCall) {
        // The component's registry store reports whatever the registry refuses as 5.
        throw CommandError("an external add-in's settings store fails with 5 only, not " +
                           std::to_string(number));
    }
    std::optional<int> times;
    if (command.Has("times")) {
        times = Lookup::Number32(command.Option("times"));
    }
    session_.StoreFaults().Fail(operation, number, times);
    transcript_.Event("settings store: every " + what + " fails with " + std::to_string(number) +
                      (times ? " (the next " + std::to_string(*times) + " times)" : ""));
}

void CommandRunner::FailClear(const Command& /*command*/) {
    session_.PlanFault([](sim::FaultInjector& faults) { faults.Clear(); });
    session_.Platform().ClearFailingPaths();
    session_.StoreFaults().Clear();
    transcript_.Event("no planned failures");
}

}  // namespace pwk::scenario
