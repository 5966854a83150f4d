#include "tools/scenario/Session.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include "keelson/Keelson.h"
#include "sim/FaultInjector.h"
#include "sim/HostError.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "sim/SimOptionsPage.h"
#include "src/component/Component.h"
#include "src/host/AddIn.h"
#include "src/host/MapiSession.h"
#include "src/platform/FileUtility.h"
#include "src/startup/Connect.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Failure.h"
#include "store/MemorySettingsStore.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/MailboxSource.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/SettingsFile.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {
// Where the file utility tells start-up to put the log when no setting says otherwise.
constexpr const char* kDefaultLogFolder = "C:\\Documents and Settings\\Pat Jones\\Parleywick";
constexpr const char* kAddInDescription = "Parleywick ";
constexpr const char* kJournalEmailsKey = "JournalEmails";

// The controls that run an add-in (their OnAction names one) that a window kind's bars keep for
// the next window: an add-in's buttons must go with their windows.
void AddInControlsKept(const std::string& bar, const std::vector<sim::ControlSpec>& controls,
                       std::vector<std::string>& found) {
    for (const auto& control : controls) {
        if (!control.OnAction.empty()) {
            found.push_back("the control \"" + control.Caption + "\" kept on the " + bar + " bar");
        }
        AddInControlsKept(bar, control.Controls, found);
    }
}
}  // namespace

Session::Session(Transcript& transcript, std::filesystem::path baseFolder, RunFindings& findings)
    : transcript_(transcript),
      baseFolder_(std::move(baseFolder)),
      findings_(findings),
      platform_(transcript),
      fileUtility_(std::make_shared<ScenarioFileUtility>(transcript)) {
    platform_.SetSettings(storeView_);
    UseMemorySettings();
    platform_.Factories().Register(Keelson::ProgID, [this] {
        auto library = std::make_shared<Keelson>(platform_);
        library->SetDebugMode(debugMode_);
        return library;
    });
    fileUtility_->SetDefaultFolder(kDefaultLogFolder);
    platform_.Factories().Register(FileUtilityProgID, [utility = fileUtility_] { return utility; });
    // The page runs its logic with the add-in's component, as the real page shares the
    // add-in's process and settings store.
    platform_.Factories().Register(
        OptionsPageProgID, [this] { return std::make_shared<sim::SimOptionsPage>(*component_); });
    addIns_.Register(AddInProgID, [this]() -> std::shared_ptr<AutomationObject> {
        auto connect = std::make_shared<Connect>(*component_);
        connect_ = connect;
        addInCreated_ = true;
        return connect;
    });
}

Session::~Session() {
    // A host left running still holds the add-in, and the add-in its hooks: quit it the way
    // a user would, so that everything is let go.
    if (Running()) {
        transcript_.Event("the host quits");
        try {
            Quit();
        } catch (const std::exception& error) {
            transcript_.Error(std::string("quitting the host failed: ") + error.what());
        }
    }
    EndProcess();
}

void Session::UseExternalAddIn(std::shared_ptr<ExternalAddIn> addIn) {
    RequireStopped("the add-in");
    if (host_) {
        throw CommandError("the add-in is chosen before the first start");
    }
    external_ = std::move(addIn);
    store_ = external_->Settings();
    settingsLocation_ = external_->SettingsLocation();
    storeView_->UseStore(store_);
    external_->AnswerBoxes([this](const ExternalAddIn::Box& box) {
        if (box.FileChooser) {
            return fileUtility_->ChooseFile(box.Title).value_or("");
        }
        return platform_.ExternalBox(box);
    });
    addIns_.Register(AddInProgID, [this]() -> std::shared_ptr<AutomationObject> {
        auto made = external_->Create();
        addInCreated_ = made != nullptr;
        return made;
    });
}

void Session::EndProcess() {
    if (external_) {
        if (auto loaded = external_->EndProcess()) {
            transcript_.Error(*loaded + " after the host process ended");
            findings_.StillLoaded.push_back(std::move(*loaded));
        }
    }
    if (!host_) {
        return;
    }
    callsOfEndedProcesses_ += host_->Faults().Calls();
    findings_.HostCalls = callsOfEndedProcesses_;
    for (std::string& name : host_->Faults().TakeLog()) {
        findings_.CallNames.push_back(std::move(name));
    }
    CheckFiling();
    if (host_->Running()) {
        findings_.HeldAfterQuit.push_back("the host did not shut down");
        return;
    }
    if (connect_.lock()) {
        findings_.HeldAfterQuit.push_back("the add-in's Connect object");
    }
    for (const auto& object : host_->HeldObjects()) {
        findings_.HeldAfterQuit.push_back(object.Type + " \"" + object.Name + "\" x" +
                                          std::to_string(object.Holders));
    }
    for (const auto* layout : {&host_->ExplorerLayout(), &host_->InspectorLayout()}) {
        for (const auto& bar : layout->Bars) {
            AddInControlsKept(bar.Name, bar.Controls, findings_.HeldAfterQuit);
        }
    }
}

void Session::CheckFiling() {
    if (filingChecked_ || !host_) {
        return;
    }
    filingChecked_ = true;
    const auto settings = SettingsDump();
    const std::string journaling =
        std::string(SettingsLayout::Tracking) + "|" + kJournalEmailsKey + "=" + BooleanText(true);
    const bool journalEmails =
        std::find(settings.begin(), settings.end(), journaling) != settings.end();
    for (std::string& unfiled : filing_.Check(*host_, journalEmails)) {
        findings_.HalfFiled.push_back(std::move(unfiled));
    }
}

void Session::RequireStopped(const std::string& what) const {
    if (Running()) {
        throw CommandError(what + " cannot change while the host runs (quit it first)");
    }
}

std::filesystem::path Session::Resolve(const std::string& file) const {
    const std::filesystem::path path(file);
    return path.is_absolute() ? path : baseFolder_ / path;
}

void Session::UseMailbox(const std::string& file) {
    RequireStopped("the mailbox");
    std::filesystem::path path = MailboxSource::Locate(file, baseFolder_);
    MailboxSource::Check(path);
    mailbox_ = std::move(path);
}

void Session::RequireOwnStore() const {
    if (external_) {
        throw CommandError("the add-in keeps its settings in its own store (" + settingsLocation_ +
                           ")");
    }
}

void Session::UseMemorySettings() {
    RequireStopped("the settings store");
    if (external_) {
        // A new store, empty: for an add-in with a store of its own, that store emptied.
        external_->ClearSettings();
        return;
    }
    store_ = std::make_shared<MemorySettingsStore>();
    settingsLocation_ = "memory";
    storeView_->UseStore(store_);
}

void Session::UseSettingsFile(const std::string& file) {
    RequireStopped("the settings store");
    RequireOwnStore();
    const std::string path = Resolve(file).string();
    auto store = OpenSettingsFile(path);
    // One read tells at once whether the file can be used at all.
    try {
        store->GetSetting(AppName, "Version", "Major");
    } catch (const Failure& failure) {
        throw CommandError("the settings file cannot be used: " + failure.Description);
    }
    store_ = std::move(store);
    settingsLocation_ = path;
    storeView_->UseStore(store_);
}

sim::HostInfo& Session::NextHostInfo() {
    RequireStopped("the host's name, version and command line");
    return nextInfo_;
}

void Session::SetDebugMode(bool on) {
    debugMode_ = on;
    if (Keelson* library = Library()) {
        library->SetDebugMode(on);
    }
}

void Session::SetMailEditor(int editorType) {
    mailEditor_ = editorType;
    if (host_) {
        host_->SetMailEditor(editorType);
    }
}

void Session::EditLayout(bool explorers, const LayoutEdit& edit) {
    sim::CommandBarLayout scratch;
    sim::CommandBarLayout* layout = nullptr;
    if (host_) {
        layout = explorers ? &host_->ExplorerLayout() : &host_->InspectorLayout();
    } else {
        scratch = explorers ? sim::CommandBarLayout::DefaultExplorer()
                            : sim::CommandBarLayout::DefaultInspector();
        for (const auto& [forExplorers, earlier] : layoutEdits_) {
            if (forExplorers == explorers) {
                earlier(scratch);
            }
        }
        layout = &scratch;
    }
    if (!edit(*layout)) {
        throw CommandError(std::string("the ") + (explorers ? "explorer" : "inspector") +
                           "'s command bars have nothing of that name");
    }
    layoutEdits_.emplace_back(explorers, edit);
}

bool Session::Running() const {
    return host_ && host_->Running();
}

sim::SimHost& Session::Host() const {
    if (!host_) {
        throw CommandError("the host has not been started (use \"start\")");
    }
    return *host_;
}

void Session::Boot() {
    if (Running()) {
        throw CommandError("the host runs already");
    }
    // A new process: the old host and the old component (with its error object, which
    // closes the log) go first.
    EndProcess();
    host_.reset();
    component_.reset();
    connect_.reset();
    addInCreated_ = false;
    auto host = std::make_unique<sim::SimHost>(nextInfo_);
    host->ThrowOnEscapedFailures(false);
    if (mailbox_) {
        MailboxSource::Load(*mailbox_, *host);
    }
    filing_.Begin(*host);
    filingChecked_ = false;
    if (mailEditor_) {
        host->SetMailEditor(*mailEditor_);
    }
    for (const auto& [explorers, edit] : layoutEdits_) {
        edit(explorers ? host->ExplorerLayout() : host->InspectorLayout());
    }
    for (const auto& plan : std::exchange(plannedFaults_, {})) {
        plan(host->Faults());
    }
    if (nameCalls_) {
        host->Faults().StartLog();
    }
    if (failCallOfRun_ && *failCallOfRun_ > callsOfEndedProcesses_) {
        host->Faults().FailNthCallKept(*failCallOfRun_ - callsOfEndedProcesses_,
                                       sim::HostError::OperationFailed);
    }
    platform_.SetCommandLine(nextInfo_.CommandLine);
    if (absent_.count(host::MapiSessionProgID) == 0) {
        platform_.Factories().Register(host::MapiSessionProgID, host->MapiSessionFactory());
    }
    component_ = std::make_unique<Component>(platform_);
    host_ = std::move(host);
    if (external_) {
        external_->BeginProcess(*host_, absent_, machine_);
    }
}

void Session::OpenFirstWindow(const std::optional<std::string>& explorerFolder) {
    sim::SimHost& host = Host();
    if (!explorerFolder) {
        const auto inbox = host.Mailbox().DefaultFolder(host::DefaultFolder::Inbox);
        host.OpenExplorer(inbox ? inbox->Path() : "");
    } else if (!explorerFolder->empty()) {
        host.OpenExplorer(*explorerFolder);
    }
}

void Session::LoadAddIn(int connectMode) {
    Host().LoadAddIn(addIns_, AddInProgID, connectMode, kAddInDescription);
}

void Session::MakeAbsent(const std::string& progId) {
    absent_.insert(progId);
    platform_.Factories().Unregister(progId);
}

void Session::PlanFault(std::function<void(sim::FaultInjector&)> plan) {
    if (Running()) {
        plan(host_->Faults());
    } else {
        plannedFaults_.push_back(std::move(plan));
    }
}

void Session::Quit() {
    if (!Running()) {
        throw CommandError("the host is not running");
    }
    host_->Quit();
    CheckFiling();
}

std::vector<std::string> Session::SettingsDump(const std::string& appName) const {
    if (external_) {
        return external_->SettingsDump(appName);
    }
    if (auto* memory = dynamic_cast<MemorySettingsStore*>(store_.get())) {
        return memory->Dump(appName);
    }
    return DumpSettingsFile(*store_, appName);
}

Keelson* Session::Library() const {
    return component_ ? dynamic_cast<Keelson*>(component_->ErrorObject().get()) : nullptr;
}

std::string Session::LogText() const {
    if (external_) {
        return external_->LogText();
    }
    Keelson* library = Library();
    if (library == nullptr || library->LogFileNativePath().empty()) {
        return {};
    }
    library->Flush();
    std::ifstream in(library->LogFileNativePath(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace pwk::scenario
