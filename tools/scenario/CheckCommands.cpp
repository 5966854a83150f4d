// The checks. A check that does not hold throws ExpectationFailed with what it expected and
// what it found.

#include "sim/FaultInjector.h"
#include "sim/ScriptedPlatform.h"
#include "sim/SimControlState.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "src/app/PWKAddinApp.h"
#include "src/platform/SettingsStore.h"
#include "src/startup/Connect.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/Describe.h"
#include "tools/scenario/ExpectationFailed.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end;
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return lines;
}

// The lines the current host process has written: those after the log's last start line.
std::vector<std::string> LinesOfThisProcess(const std::string& log) {
    std::vector<std::string> lines;
    for (std::string& line : Lines(log)) {
        if (line.find("] ==== ") != std::string::npos &&
            line.find(" log started") != std::string::npos) {
            lines.clear();
        } else if (!line.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

// The lines holding `text`: of the whole log, or with in=start of this host process only.
std::vector<std::string> LogLinesWith(const Command& command, const std::string& log,
                                      const std::string& text) {
    const std::string scope = command.Option("in");
    if (!scope.empty() && scope != "start") {
        throw CommandError(command.Name + ": in=" + scope + " is not \"start\"");
    }
    std::vector<std::string> lines;
    for (std::string& line : scope.empty() ? Lines(log) : LinesOfThisProcess(log)) {
        if (line.find(text) != std::string::npos) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

// A box's text on one line, line breaks shown as "/".
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        line.push_back(text[i] == '\n' ? '/' : text[i]);
    }
    return line;
}

}  // namespace

void CommandRunner::ExpectBox(const Command& command) {
    auto& boxes = session_.Platform().UncheckedBoxes();
    const std::string& title = command.Args[0];
    std::string expected = "a box titled " + Quoted(title);
    bool textHolds = true;
    const ShownBox box = boxes.empty() ? ShownBox{} : boxes.front();
    for (std::size_t i = 1; i < command.Args.size(); ++i) {
        expected += (i == 1 ? " whose text holds " : " and ") + Quoted(command.Args[i]);
        textHolds = textHolds && box.Text.find(command.Args[i]) != std::string::npos;
    }
    if (boxes.empty()) {
        throw ExpectationFailed(expected, "no (further) box from the last action");
    }
    boxes.pop_front();
    if (box.Title != title || !textHolds) {
        throw ExpectationFailed(expected,
                                "the box " + Quoted(box.Title) + ": " + Quoted(OneLine(box.Text)));
    }
}

void CommandRunner::ExpectNoBox(const Command& /*command*/) {
    const auto& boxes = session_.Platform().UncheckedBoxes();
    if (!boxes.empty()) {
        throw ExpectationFailed("no box left from the last action",
                                std::to_string(boxes.size()) + " more, the first titled " +
                                    Quoted(boxes.front().Title));
    }
}

void CommandRunner::ExpectHelp(const Command& command) {
    const auto& requests = session_.Platform().HelpRequests();
    const std::size_t count = session_.Platform().HelpRequestsOfAction();
    const std::int32_t context = Lookup::Number32(command.Args[1]);
    std::string found = "no help asked for in the last action";
    for (std::size_t i = requests.size() - count; i < requests.size(); ++i) {
        if (requests[i].HelpFile == command.Args[0] && requests[i].HelpContext == context) {
            return;
        }
        found = "help " + requests[i].HelpFile + " #" + std::to_string(requests[i].HelpContext);
    }
    throw ExpectationFailed("help " + command.Args[0] + " #" + command.Args[1], found);
}

void CommandRunner::ExpectProgram(const Command& command) {
    const auto& calls = session_.Platform().ShellCalls();
    const std::size_t count = session_.Platform().ShellCallsOfAction();
    std::string found = "no program started in the last action";
    for (std::size_t i = calls.size() - count; i < calls.size(); ++i) {
        if (calls[i].CommandLine == command.Args[0]) {
            return;
        }
        found = "program started: " + calls[i].CommandLine;
    }
    throw ExpectationFailed("program started: " + command.Args[0], found);
}

void CommandRunner::ExpectCount(const Command& command) {
    const auto folder = Folder(command.Args[0]);
    const std::size_t count = folder->Contents().size();
    if (static_cast<std::int64_t>(count) != Lookup::Number(command.Args[1])) {
        throw ExpectationFailed(command.Args[1] + " items in " + Quoted(folder->Path()),
                                std::to_string(count));
    }
}

void CommandRunner::ExpectItem(const Command& command) {
    const auto folder = Folder(command.Args[0]);
    const std::int64_t position = Lookup::Number(command.Args[1]);
    const auto& items = folder->Contents();
    if (position < 1 || static_cast<std::size_t>(position) > items.size()) {
        throw ExpectationFailed("an item " + command.Args[1] + " in " + Quoted(folder->Path()),
                                std::to_string(items.size()) + " items");
    }
    const auto& item = *items[static_cast<std::size_t>(position - 1)];
    for (const auto& [field, value] : command.Options) {
        bool known = false;
        const std::string actual = Describe::Field(item, field, known);
        if (!known) {
            throw CommandError(Describe::ItemName(item) + " has no field " + field);
        }
        if (actual != value) {
            throw ExpectationFailed(
                field + " = " + Quoted(value) + " on " + Describe::ItemName(item),
                field + " = " + Quoted(actual));
        }
    }
}

void CommandRunner::ExpectButton(const Command& command) {
    const auto window = FrontWindow();
    const auto control = Lookup::Control(*window, command.Args[0]);
    std::string expected = "a control " + Quoted(command.Args[0]);
    for (std::size_t i = 1; i < command.Args.size(); ++i) {
        expected += " " + command.Args[i];
    }
    if (command.Has("tooltip")) {
        expected += " with tooltip " + Quoted(command.Option("tooltip"));
    }
    if (!control) {
        throw ExpectationFailed(expected + " on " + Where(*window), "no such control");
    }
    const sim::ControlSpec& spec = control->Spec;
    bool holds = !command.Has("tooltip") || spec.TooltipText == command.Option("tooltip");
    for (std::size_t i = 1; i < command.Args.size(); ++i) {
        const std::string& state = command.Args[i];
        holds = holds && (state == "shown"     ? spec.Visible
                          : state == "hidden"  ? !spec.Visible
                          : state == "enabled" ? spec.Enabled
                                               : !spec.Enabled);
    }
    if (!holds) {
        throw ExpectationFailed(expected, Describe::Control(*control) + " on " + Where(*window));
    }
}

void CommandRunner::ExpectNoButton(const Command& command) {
    const auto window = FrontWindow();
    if (const auto control = Lookup::Control(*window, command.Args[0])) {
        throw ExpectationFailed("no control " + Quoted(command.Args[0]) + " on " + Where(*window),
                                Describe::Control(*control));
    }
}

namespace {
// A default no stored value can have tells a missing value from an empty one.
constexpr const char* kMissing = "\x01missing";
}  // namespace

void CommandRunner::ExpectSetting(const Command& command) {
    const std::string value =
        session_.Store().GetSetting(Session::AppName, command.Args[0], command.Args[1], kMissing);
    if (value != command.Args[2]) {
        throw ExpectationFailed(
            command.Args[0] + "|" + command.Args[1] + " = " + Quoted(command.Args[2]),
            value == kMissing ? "no such setting" : Quoted(value));
    }
}

void CommandRunner::ExpectNoSetting(const Command& command) {
    const std::string value =
        session_.Store().GetSetting(Session::AppName, command.Args[0], command.Args[1], kMissing);
    if (value != kMissing) {
        throw ExpectationFailed("no setting " + command.Args[0] + "|" + command.Args[1],
                                Quoted(value));
    }
}

void CommandRunner::ExpectLog(const Command& command) {
    const std::size_t count = LogLinesWith(command, session_.LogText(), command.Args[0]).size();
    if (command.Has("times")) {
        const std::int64_t times = Lookup::Number(command.Option("times"));
        if (static_cast<std::int64_t>(count) != times) {
            throw ExpectationFailed(
                command.Option("times") + " log lines holding " + Quoted(command.Args[0]),
                std::to_string(count));
        }
    } else if (count == 0) {
        throw ExpectationFailed("a log line holding " + Quoted(command.Args[0]), "none");
    }
}

void CommandRunner::ExpectNoLog(const Command& command) {
    const auto lines = LogLinesWith(command, session_.LogText(), command.Args[0]);
    if (!lines.empty()) {
        throw ExpectationFailed("no log line holding " + Quoted(command.Args[0]), lines.front());
    }
}

void CommandRunner::ExpectLogLines(const Command& command) {
    const auto lines = LinesOfThisProcess(session_.LogText());
    if (static_cast<std::int64_t>(lines.size()) != Lookup::Number(command.Args[0])) {
        std::string found = std::to_string(lines.size()) + " lines";
        for (const std::string& line : lines) {
            found += "\n" + std::string(14, ' ') + line;
        }
        throw ExpectationFailed(command.Args[0] + " lines since the log started", found);
    }
}

void CommandRunner::ExpectSent(const Command& /*command*/) {
    if (!lastSendWent_ || !*lastSendWent_) {
        throw ExpectationFailed("the last send went",
                                lastSendWent_ ? "it was cancelled" : "nothing was sent");
    }
}

void CommandRunner::ExpectPages(const Command& command) {
    const std::int64_t expected = Lookup::Number(command.Args[0]);
    if (!lastPages_ || static_cast<std::int64_t>(*lastPages_) != expected) {
        throw ExpectationFailed(command.Args[0] + " pages in the last options dialog",
                                lastPages_ ? std::to_string(*lastPages_) : "no options dialog");
    }
}

void CommandRunner::ExpectFailedCalls(const Command& command) {
    const std::int64_t raised = session_.Host().Faults().Raised();
    if (raised != Lookup::Number(command.Args[0])) {
        throw ExpectationFailed(command.Args[0] + " planned failures raised",
                                std::to_string(raised));
    }
}

void CommandRunner::ExpectCancelled(const Command& /*command*/) {
    if (!lastSendWent_ || *lastSendWent_) {
        throw ExpectationFailed("the last send was cancelled",
                                lastSendWent_ ? "the mail went" : "nothing was sent");
    }
}

void CommandRunner::ExpectHooks(const Command& command) {
    const auto connect = session_.AddIn();
    const auto app = connect ? connect->AddinApp() : nullptr;
    std::int64_t explorers = app ? app->HookedExplorerCount() : 0;
    std::int64_t inspectors = app ? app->HookedInspectorCount() : 0;
    if (ExternalAddIn* external = session_.External(); external && session_.Started()) {
        const ExternalAddIn::Hooks hooks = external->SeenHooks(session_.Host());
        explorers = hooks.Explorers;
        inspectors = hooks.Inspectors;
    }
    if (explorers != Lookup::Number(command.Args[0]) ||
        inspectors != Lookup::Number(command.Args[1])) {
        throw ExpectationFailed(
            command.Args[0] + " explorers and " + command.Args[1] + " inspectors hooked",
            std::to_string(explorers) + " and " + std::to_string(inspectors) +
                (app || session_.External() ? "" : " (there is no application object)"));
    }
}

void CommandRunner::ExpectHookKeys(const Command& command) {
    const bool explorers = command.Args[0] == "explorer";
    std::optional<std::vector<std::string>> keys;
    if (ExternalAddIn* external = session_.External()) {
        keys = external->HookKeys(explorers);
    } else if (const auto connect = session_.AddIn(); connect && connect->AddinApp()) {
        const auto& app = connect->AddinApp();
        keys = explorers ? app->HookedExplorerKeys() : app->HookedInspectorKeys();
    }
    const std::vector<std::string> expected(command.Args.begin() + 1, command.Args.end());
    if (keys.value_or(std::vector<std::string>{}) != expected) {
        const auto join = [](const std::vector<std::string>& list) {
            std::string text;
            for (const std::string& key : list) {
                text += (text.empty() ? "" : " ") + key;
            }
            return text.empty() ? std::string("none") : text;
        };
        throw ExpectationFailed(command.Args[0] + " hooks under the keys " + join(expected),
                                keys ? join(*keys) : "none (there is no application object)");
    }
}

void CommandRunner::ExpectSentItemsHook(const Command& command) {
    const bool hooked = SentItemsHooked();
    const bool wanted = command.Args[0] == "yes";
    if (hooked != wanted) {
        throw ExpectationFailed(wanted ? "Sent Items hooked" : "Sent Items not hooked",
                                hooked ? "it is hooked" : "it is not hooked");
    }
}

void CommandRunner::ExpectInert(const Command& /*command*/) {
    if (ExternalAddIn* external = session_.External()) {
        // Seen from the host: loaded, and listening to none of the application's events.
        if (!session_.Started() || !session_.Host().AddInLoaded(Session::AddInProgID)) {
            throw ExpectationFailed("the add-in loaded and inert", "no add-in is loaded");
        }
        if (external->SeenHooks(session_.Host()).Application) {
            throw ExpectationFailed("the add-in loaded and inert",
                                    "it listens to the application's events");
        }
        return;
    }
    const auto connect = session_.AddIn();
    if (!connect) {
        throw ExpectationFailed("the add-in loaded and inert", "no add-in is loaded");
    }
    if (connect->AddinApp()) {
        throw ExpectationFailed("the add-in loaded and inert", "it made its application object");
    }
}

void CommandRunner::ExpectReleased(const Command& /*command*/) {
    const auto held = session_.Host().HeldObjects();
    if (session_.AddIn() || !held.empty()) {
        std::string found = session_.AddIn() ? "the add-in's Connect object is alive" : "";
        for (const auto& object : held) {
            found += (found.empty() ? "" : "; ") + object.Type + " " + Quoted(object.Name) +
                     " held " + std::to_string(object.Holders) + "x";
        }
        throw ExpectationFailed("nothing of the host held", found);
    }
}

}  // namespace pwk::scenario
