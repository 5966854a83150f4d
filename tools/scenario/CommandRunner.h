#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tools/scenario/Command.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/HostWatch.h"
#include "tools/scenario/WindowFocus.h"

namespace pwk::sim {
class SimExplorer;
class SimFolder;
class SimInspector;
class SimObject;
class SimItemState;
class SimOptionsPage;
class SimWindowState;
}  // namespace pwk::sim

namespace pwk {}  // namespace pwk

namespace pwk::scenario {

class Session;
class PageDriver;
class Transcript;

// Runs scenario commands on a session, one at a time: echoes the command, carries it out,
// and writes what happened in the host into the transcript.
class CommandRunner {
  public:
    CommandRunner(Session& session, Transcript& transcript);

    // True when the command held: every command but a failed check holds, and a failure that
    // one of the add-in's handlers let reach the host fails the command that caused it. A
    // command that cannot run throws ScenarioError with its line.
    bool Run(const Command& command);
    // Ends the run: a host still running quits as a user would quit it, so that the add-in
    // lets everything go; false when a failure reached the host on the way.
    bool Finish();
    // Whether each command is repeated into the transcript before it runs (on by default;
    // off for commands typed at the prompt).
    void EchoCommands(bool on) { echo_ = on; }
    // Whether the host's changes are written after each command (on by default). Off, the
    // windows are still numbered as they open, so that the add-in's lines name them alike.
    void WatchHost(bool on) { watch_.LabelsOnly(!on); }
    // Whether every command of the table has a handler (the runner's own consistency).
    static bool CoversTable();

  private:
    using Handler = void (CommandRunner::*)(const Command&);
    static const std::map<std::string, Handler>& Handlers();

    void Dispatch(const Command& command);
    bool AfterCommand(const Command& command);
    // Starts a user action: the boxes of the previous one are forgotten.
    void Act();
    // Writes what changed in the add-in as its owner sees it: its application object, the
    // windows it has hooked and the window it watches (AddInReport.cpp).
    void ReportAddIn();
    std::string AddInState();
    bool SentItemsHooked();
    std::string ExternalAddInState(ExternalAddIn& external);
    std::string Summary(const ExternalAddIn::Hooks& hooks, bool holdsHost);
    // The window the add-in watches (null for none), and the transcript's words for it.
    const sim::SimObject* WatchedWindow();
    std::string Watching(const sim::SimObject* window);

    // Set-up (SetupCommands.cpp).
    void Mailbox(const Command& command);
    void Settings(const Command& command);
    void Setting(const Command& command);
    void HostName(const Command& command);
    void HostVersion(const Command& command);
    void HostProductCode(const Command& command);
    void HostCommandLine(const Command& command);
    void HostMailEditor(const Command& command);
    void HostTypeName(const Command& command);
    void HostOs(const Command& command);
    void DebugMode(const Command& command);
    void Unattended(const Command& command);
    void FailStore(const Command& command);
    void HostWithoutBar(const Command& command);
    void HostWithoutControl(const Command& command);
    void HostLeftover(const Command& command);
    void Start(const Command& command);
    void Quit(const Command& command);
    void Answer(const Command& command);
    void ChooseFile(const Command& command);
    void Note(const Command& command);
    void Help(const Command& command);
    void Fail(const Command& command);
    void Nothing(const Command& command);
    void FailCall(const Command& command);
    void FailFile(const Command& command);
    void FailClear(const Command& command);
    void Admin(const Command& command);

    // User actions (ActionCommands.cpp).
    void Explorer(const Command& command);
    void Switch(const Command& command);
    void Select(const Command& command);
    void Open(const Command& command);
    void ComposeMail(const Command& command);
    void ComposeAppointment(const Command& command);
    void Link(const Command& command);
    void Send(const Command& command);
    void Save(const Command& command);
    void Type(const Command& command);
    void Absent(const Command& command);
    void AddInOff(const Command& command);
    void AddInOn(const Command& command);
    void Click(const Command& command);
    void Toolbar(const Command& command);
    void Close(const Command& command);
    void Deliver(const Command& command);
    void Options(const Command& command);
    void Track(const Command& command);
    void Option(const Command& command);
    void Untrack(const Command& command);
    void LogLevel(const Command& command);
    void EditOnPage(const std::function<bool(PageDriver&)>& edit);
    // The user closes the options dialog left open (`options keep-open`), if there is one.
    void CloseOptionsDialog();

    // Looking (ShowCommands.cpp).
    void ShowFolder(const Command& command);
    void ShowFolders(const Command& command);
    void ShowButtons(const Command& command);
    void ShowWindows(const Command& command);
    void ShowSettings(const Command& command);
    void ShowLog(const Command& command);
    void ShowHeld(const Command& command);
    void ShowCalls(const Command& command);

    // Checks (CheckCommands.cpp); a failed one throws ExpectationFailed.
    void ExpectBox(const Command& command);
    void ExpectNoBox(const Command& command);
    void ExpectHelp(const Command& command);
    void ExpectProgram(const Command& command);
    void ExpectCount(const Command& command);
    void ExpectItem(const Command& command);
    void ExpectButton(const Command& command);
    void ExpectNoButton(const Command& command);
    void ExpectSetting(const Command& command);
    void ExpectNoSetting(const Command& command);
    void ExpectLog(const Command& command);
    void ExpectNoLog(const Command& command);
    void ExpectLogLines(const Command& command);
    void ExpectSent(const Command& command);
    void ExpectPages(const Command& command);
    void ExpectPageMessage(const Command& command);
    void ExpectFailedCalls(const Command& command);
    void ExpectCancelled(const Command& command);
    void ExpectHooks(const Command& command);
    void ExpectWatching(const Command& command);
    void ExpectHookKeys(const Command& command);
    void ExpectSentItemsHook(const Command& command);
    void ExpectInert(const Command& command);
    void ExpectReleased(const Command& command);
    void ExpectAdmin(const Command& command);

    // The windows and items commands act on; CommandError when there is none.
    std::shared_ptr<sim::SimExplorer> CurrentExplorer();
    std::shared_ptr<sim::SimInspector> CurrentInspector();
    std::shared_ptr<sim::SimWindowState> FrontWindow();
    std::shared_ptr<sim::SimItemState> InspectorItem();
    std::unique_ptr<PageDriver> OpenOptionsDialog();
    std::unique_ptr<PageDriver> PageDriverOf(const std::shared_ptr<AutomationObject>& page);
    void ShowPage(PageDriver& page);
    std::shared_ptr<sim::SimFolder> Folder(const std::string& path);
    std::string Where(const sim::SimWindowState& window);

    Session& session_;
    Transcript& transcript_;
    HostWatch watch_;
    WindowFocus focus_;
    std::optional<bool> lastSendWent_;
    std::optional<std::size_t> lastPages_;
    std::string lastPageMessage_;  // what the options page said at the last change on it
    // The add-in's page of the options dialog the user left open, for the next change on it.
    std::unique_ptr<PageDriver> openPage_;
    bool echo_ = true;
    std::string lastAddInState_;
    std::optional<std::string> lastAdminOutput_;
};

}  // namespace pwk::scenario
