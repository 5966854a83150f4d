#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/HostInfo.h"
#include "src/platform/ObjectFactories.h"
#include "tools/scenario/FailingSettingsStore.h"
#include "tools/scenario/RunFindings.h"
#include "tools/scenario/ScenarioFileUtility.h"
#include "tools/scenario/ScenarioPlatform.h"
#include "tools/scenario/SessionMachine.h"
#include "tools/scenario/SweepFilingCheck.h"

namespace pwk {
class Component;
class Connect;
class Keelson;
class SettingsStore;
}  // namespace pwk

namespace pwk::sim {
class FaultInjector;
class SimHost;
struct CommandBarLayout;
}  // namespace pwk::sim

namespace pwk::scenario {

class ExternalAddIn;
class Transcript;

// Everything a scenario runs on: the scripted platform with its files, the settings store,
// the simulated host with its mailbox, and the add-in the host loads by its ProgID. Each
// start is a new process of the host: a new host and a new component, with the same
// platform files and settings store as before.
class Session {
  public:
    static constexpr const char* AddInProgID = "Wickline.Connect";
    static constexpr const char* AppName = "Parleywick";

    // Relative file names (mailbox, settings) are taken from `baseFolder`. What each host
    // process leaves held when it ends, and the run's host calls, go into `findings`.
    Session(Transcript& transcript, std::filesystem::path baseFolder, RunFindings& findings);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The host loads `addIn` by the add-in's ProgID instead of the core's Connect, and the
    // add-in's own settings store replaces the session's; chosen before the first start.
    void UseExternalAddIn(std::shared_ptr<ExternalAddIn> addIn);
    // The external add-in, if one is used.
    ExternalAddIn* External() const { return external_.get(); }

    // Set-up; these fail (CommandError) while the host runs.
    void UseMailbox(const std::string& file);
    // A new, empty store in memory; with an external add-in, its own store emptied.
    void UseMemorySettings();
    // Refused with an external add-in, which keeps its settings where it always does.
    void UseSettingsFile(const std::string& file);
    sim::HostInfo& NextHostInfo();
    // The error library's debug-mode flag, now and for the error objects of later starts.
    void SetDebugMode(bool on);
    // The editor of new mail inspectors (host::EditorType), from now on and for later starts.
    void SetMailEditor(int editorType);
    // Customises the command bars that new explorers (or inspectors) get, from now on and for
    // later starts. `edit` answers whether it found what it changes; CommandError when not.
    using LayoutEdit = std::function<bool(sim::CommandBarLayout&)>;
    void EditLayout(bool explorers, const LayoutEdit& edit);

    // Starting takes three steps, so that an observer can look in between. Boot makes the host
    // with the mailbox, applies the planned failures and makes a new component; OpenFirstWindow
    // opens an explorer on `explorerFolder` (the Inbox when not given, none when empty);
    // LoadAddIn has the host load the add-in by its ProgID.
    void Boot();
    void OpenFirstWindow(const std::optional<std::string>& explorerFolder);
    void LoadAddIn(int connectMode);
    // Uninstalls an external component by its ProgID, now and for every later start.
    void MakeAbsent(const std::string& progId);
    // Failures planned before the host runs take effect when it starts.
    void PlanFault(std::function<void(sim::FaultInjector&)> plan);
    // The n-th host call of the whole run (1 = the first) fails, in whichever start it falls.
    void FailCallOfRun(std::int64_t n) { failCallOfRun_ = n; }
    // Every host call of the run goes by name into the findings' CallNames.
    void NameCallsOfRun() { nameCalls_ = true; }
    RunFindings& Findings() { return findings_; }
    void Quit();
    bool Running() const;
    bool Started() const { return host_ != nullptr; }

    sim::SimHost& Host() const;  // CommandError before the first start
    ScenarioPlatform& Platform() { return platform_; }
    ScenarioFileUtility& FileUtility() { return *fileUtility_; }
    // The component of the current (or last) host process; null before the first start.
    Component* CurrentComponent() const { return component_.get(); }
    SettingsStore& Store() const { return *store_; }
    // The store as the add-in reaches it, where reads and writes can be made to fail.
    FailingSettingsStore& StoreFaults() { return *storeView_; }
    const std::string& SettingsLocation() const { return settingsLocation_; }
    // Where relative file names are taken from.
    const std::filesystem::path& BaseFolder() const { return baseFolder_; }
    // Every stored value of an application (the add-in's by default) as sorted
    // "section|key=value" lines.
    std::vector<std::string> SettingsDump(const std::string& appName = AppName) const;
    // The add-in's connection object while the host holds it.
    std::shared_ptr<Connect> AddIn() const { return connect_.lock(); }
    bool AddInCreated() const { return addInCreated_; }
    // The error library's log as written so far ("" before the first start).
    std::string LogText() const;

  private:
    void RequireStopped(const std::string& what) const;
    // Refuses to replace the settings store of an external add-in by another.
    void RequireOwnStore() const;
    std::filesystem::path Resolve(const std::string& file) const;
    Keelson* Library() const;
    // The current host process is over: its calls join the run's count, and anything of it
    // still held, or left half-filed in its folders, is a finding.
    void EndProcess();
    // What the process left half-filed in its folders, judged once, as it quits (or ends):
    // whether e-mails were journaled is read from the store as it leaves it, before the
    // scenario's next edits.
    void CheckFiling();

    Transcript& transcript_;
    std::filesystem::path baseFolder_;
    RunFindings& findings_;
    std::optional<std::int64_t> failCallOfRun_;
    bool nameCalls_ = false;
    std::int64_t callsOfEndedProcesses_ = 0;
    ScenarioPlatform platform_;
    std::shared_ptr<ScenarioFileUtility> fileUtility_;
    std::shared_ptr<SettingsStore> store_;
    std::shared_ptr<FailingSettingsStore> storeView_ = std::make_shared<FailingSettingsStore>();
    bool debugMode_ = false;
    std::string settingsLocation_ = "memory";
    std::optional<std::filesystem::path> mailbox_;
    sim::HostInfo nextInfo_;
    std::vector<std::function<void(sim::FaultInjector&)>> plannedFaults_;
    std::optional<int> mailEditor_;
    std::set<std::string> absent_;
    // The machine as an external add-in's own calls to the system meet it.
    SessionMachine machine_{platform_, *fileUtility_, *storeView_, absent_, debugMode_};
    std::vector<std::pair<bool, LayoutEdit>> layoutEdits_;
    ObjectFactories addIns_;
    // One per start; the host, which holds the add-in, goes first.
    std::unique_ptr<Component> component_;
    std::unique_ptr<sim::SimHost> host_;
    std::weak_ptr<Connect> connect_;
    bool addInCreated_ = false;
    SweepFilingCheck filing_;
    bool filingChecked_ = false;
    std::shared_ptr<ExternalAddIn> external_;
};

}  // namespace pwk::scenario
