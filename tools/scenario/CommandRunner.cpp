#include "tools/scenario/CommandRunner.h"

#include <stdexcept>

#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "sim/UserActionError.h"
#include "src/util/Failure.h"
#include "tools/scenario/CommandTable.h"
#include "tools/scenario/ExpectationFailed.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

CommandRunner::CommandRunner(Session& session, Transcript& transcript)
    : session_(session), transcript_(transcript) {}

const std::map<std::string, CommandRunner::Handler>& CommandRunner::Handlers() {
    static const std::map<std::string, Handler> handlers{
        {"mailbox", &CommandRunner::Mailbox},
        {"settings", &CommandRunner::Settings},
        {"setting", &CommandRunner::Setting},
        {"host name", &CommandRunner::HostName},
        {"host version", &CommandRunner::HostVersion},
        {"host productcode", &CommandRunner::HostProductCode},
        {"host commandline", &CommandRunner::HostCommandLine},
        {"host mail-editor", &CommandRunner::HostMailEditor},
        {"host typename", &CommandRunner::HostTypeName},
        {"host os", &CommandRunner::HostOs},
        {"debug-mode", &CommandRunner::DebugMode},
        {"unattended", &CommandRunner::Unattended},
        {"host without-bar", &CommandRunner::HostWithoutBar},
        {"host without-control", &CommandRunner::HostWithoutControl},
        {"host leftover", &CommandRunner::HostLeftover},
        {"start", &CommandRunner::Start},
        {"quit", &CommandRunner::Quit},
        {"explorer", &CommandRunner::Explorer},
        {"switch", &CommandRunner::Switch},
        {"select", &CommandRunner::Select},
        {"open", &CommandRunner::Open},
        {"compose mail", &CommandRunner::ComposeMail},
        {"compose appointment", &CommandRunner::ComposeAppointment},
        {"link", &CommandRunner::Link},
        {"send", &CommandRunner::Send},
        {"save", &CommandRunner::Save},
        {"type", &CommandRunner::Type},
        {"click", &CommandRunner::Click},
        {"toolbar", &CommandRunner::Toolbar},
        {"close", &CommandRunner::Close},
        {"deliver", &CommandRunner::Deliver},
        {"add-in off", &CommandRunner::AddInOff},
        {"add-in on", &CommandRunner::AddInOn},
        {"options", &CommandRunner::Options},
        {"track", &CommandRunner::Track},
        {"option", &CommandRunner::Option},
        {"untrack", &CommandRunner::Untrack},
        {"log-level", &CommandRunner::LogLevel},
        {"answer", &CommandRunner::Answer},
        {"choose-file", &CommandRunner::ChooseFile},
        {"absent", &CommandRunner::Absent},
        {"note", &CommandRunner::Note},
        {"fail", &CommandRunner::Fail},
        {"nothing", &CommandRunner::Nothing},
        {"fail-call", &CommandRunner::FailCall},
        {"fail-file", &CommandRunner::FailFile},
        {"fail-store", &CommandRunner::FailStore},
        {"fail-clear", &CommandRunner::FailClear},
        {"admin", &CommandRunner::Admin},
        {"show folder", &CommandRunner::ShowFolder},
        {"show folders", &CommandRunner::ShowFolders},
        {"show buttons", &CommandRunner::ShowButtons},
        {"show windows", &CommandRunner::ShowWindows},
        {"show settings", &CommandRunner::ShowSettings},
        {"show log", &CommandRunner::ShowLog},
        {"show held", &CommandRunner::ShowHeld},
        {"show calls", &CommandRunner::ShowCalls},
        {"expect box", &CommandRunner::ExpectBox},
        {"expect no-box", &CommandRunner::ExpectNoBox},
        {"expect help", &CommandRunner::ExpectHelp},
        {"expect program", &CommandRunner::ExpectProgram},
        {"expect count", &CommandRunner::ExpectCount},
        {"expect item", &CommandRunner::ExpectItem},
        {"expect button", &CommandRunner::ExpectButton},
        {"expect no-button", &CommandRunner::ExpectNoButton},
        {"expect setting", &CommandRunner::ExpectSetting},
        {"expect no-setting", &CommandRunner::ExpectNoSetting},
        {"expect log", &CommandRunner::ExpectLog},
        {"expect no-log", &CommandRunner::ExpectNoLog},
        {"expect log-lines", &CommandRunner::ExpectLogLines},
        {"expect sent", &CommandRunner::ExpectSent},
        {"expect pages", &CommandRunner::ExpectPages},
        {"expect page-message", &CommandRunner::ExpectPageMessage},
        {"expect failed-calls", &CommandRunner::ExpectFailedCalls},
        {"expect cancelled", &CommandRunner::ExpectCancelled},
        {"expect hooks", &CommandRunner::ExpectHooks},
        {"expect watching", &CommandRunner::ExpectWatching},
        {"expect hook-keys", &CommandRunner::ExpectHookKeys},
        {"expect sent-items-hook", &CommandRunner::ExpectSentItemsHook},
        {"expect inert", &CommandRunner::ExpectInert},
        {"expect released", &CommandRunner::ExpectReleased},
        {"expect admin", &CommandRunner::ExpectAdmin},
        {"help", &CommandRunner::Help},
    };
    return handlers;
}

bool CommandRunner::CoversTable() {
    const auto& handlers = Handlers();
    for (const CommandSpec& spec : CommandTable::Standard().All()) {
        if (handlers.count(spec.Name) == 0) {
            return false;
        }
    }
    return handlers.size() == CommandTable::Standard().All().size();
}

void CommandRunner::Act() {
    session_.Platform().BeginAction();
}

void CommandRunner::Dispatch(const Command& command) {
    const auto handler = Handlers().find(command.Name);
    if (handler == Handlers().end()) {
        throw CommandError("the command \"" + command.Name + "\" cannot be run");
    }
    (this->*handler->second)(command);
}

bool CommandRunner::Run(const Command& command) {
    if (echo_ && command.Name != "note") {
        transcript_.Echo(command);
    }
    bool held = true;
    try {
        try {
            Dispatch(command);
        } catch (const ExpectationFailed& failed) {
            transcript_.Failed(command, failed.Expected, failed.Found);
            held = false;
        }
        held = AfterCommand(command) && held;
    } catch (const ScenarioError&) {
        throw;
    } catch (const CommandError& error) {
        AfterCommand(command);
        throw ScenarioError(command.Line, error.what());
    } catch (const sim::UserActionError& error) {
        AfterCommand(command);
        throw ScenarioError(command.Line, error.what());
    } catch (const Failure& failure) {
        AfterCommand(command);
        throw ScenarioError(
            command.Line, "failure " + std::to_string(failure.Number) + ": " + failure.Description);
    } catch (const std::exception& error) {
        throw ScenarioError(command.Line, error.what());
    }
    transcript_.Flush();
    return held;
}

bool CommandRunner::Finish() {
    // An answer no box took usually means a box the scenario waited for never came.
    if (const std::size_t unused = session_.Platform().UnusedAnswers(); unused > 0) {
        transcript_.Event("note: " + std::to_string(unused) +
                          (unused == 1 ? " answer was" : " answers were") + " never used");
    }
    if (!session_.Running()) {
        return true;
    }
    transcript_.Event("end of the scenario: the host quits");
    Command finish;
    finish.Text = "(end of the scenario)";
    try {
        CloseOptionsDialog();
        session_.Quit();
        return AfterCommand(finish);
    } catch (const std::exception& error) {
        transcript_.Error(std::string("quitting the host failed: ") + error.what());
        return false;
    }
}

// What the command did to the host, failures that reached the host, and a misplaced answer.
bool CommandRunner::AfterCommand(const Command& command) {
    bool held = true;
    if (session_.Started()) {
        sim::SimHost& host = session_.Host();
        watch_.Report(host, transcript_);
        ReportAddIn();
        for (const auto& escaped : host.TakeEscapedFailures()) {
            session_.Findings().Escaped.push_back(escaped.Event + ": " + escaped.Description);
            transcript_.Failed(command, "no failure reaches the host",
                               "\"" + escaped.Description + "\" from " + escaped.Event);
            held = false;
        }
    }
    if (const auto problem = session_.Platform().TakeProblem()) {
        throw ScenarioError(problem->first, problem->second);
    }
    return held;
}

std::shared_ptr<sim::SimFolder> CommandRunner::Folder(const std::string& path) {
    return session_.Host().Folder(path);
}

std::shared_ptr<sim::SimExplorer> CommandRunner::CurrentExplorer() {
    auto explorer = focus_.Explorer(session_.Host());
    if (!explorer) {
        throw CommandError("no explorer is open");
    }
    return explorer;
}

std::shared_ptr<sim::SimInspector> CommandRunner::CurrentInspector() {
    auto inspector = focus_.Inspector(session_.Host());
    if (!inspector) {
        throw CommandError("no inspector is open");
    }
    return inspector;
}

std::shared_ptr<sim::SimWindowState> CommandRunner::FrontWindow() {
    auto window = focus_.Front(session_.Host());
    if (!window) {
        throw CommandError("no window is open");
    }
    return window;
}

std::shared_ptr<sim::SimItemState> CommandRunner::InspectorItem() {
    auto item = CurrentInspector()->Shown();
    if (!item) {
        throw CommandError("the inspector shows no item");
    }
    return item;
}

std::string CommandRunner::Where(const sim::SimWindowState& window) {
    return watch_.Label(window);
}

}  // namespace pwk::scenario
