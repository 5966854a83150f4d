#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/scenario/ExternalAddIn.h"
#include "win/platform/RegistrySettingsStore.h"
#include "winharness/bridge/ClassRegistration.h"
#include "winharness/bridge/ComAddIn.h"
#include "winharness/simrun/ComponentSystem.h"
#include "winharness/testhost/BoxAnswerer.h"

namespace pwk::simrun {

// The real component as the scenario runner's add-in (parleywick-sim --com): created through
// COM by its ProgID and connected to the simulated host's bridged objects. It reads and writes
// the current user's registry store, shows real message boxes (each handed to the scenario's
// answer while the component waits for it) and writes its log where the machine's folders say.
// Its own calls to the system meet the scenario's machine (ComponentSystem). Making one clears
// the add-in's settings and its recovery record, and the first host process deletes its log, as
// on a machine where it never ran (the folders are the Wine prefix's own, and Wine tests run one
// at a time, so no other run is writing it).
class ComExternalAddIn final : public scenario::ExternalAddIn {
  public:
    explicit ComExternalAddIn(std::string progId);
    ~ComExternalAddIn() override;

    std::shared_ptr<AutomationObject> Create() override;
    std::shared_ptr<SettingsStore> Settings() override { return store_; }
    std::string SettingsLocation() const override { return store_->Name(); }
    std::vector<std::string> SettingsDump(const std::string& appName) override;
    // The add-in's applications in the registry branch: its settings and its recovery record.
    void ClearSettings() override;
    void BeginProcess(sim::SimHost& host, const std::set<std::string>& absent,
                      scenario::ScenarioMachine& machine) override;
    std::optional<std::string> EndProcess() override;
    void AnswerBoxes(BoxAnswer answer) override;
    Hooks SeenHooks(sim::SimHost& host) override;
    // Asked of the add-in object the host holds, through the component's member for tests,
    // which the machine under the component turns on (ComponentSystem).
    std::optional<std::vector<std::string>> HookKeys(bool explorers) override;
    std::string LogText() override;
    // The component's own page, driven through its members; null for any other page.
    std::unique_ptr<scenario::PageDriver> PageOf(
        const std::shared_ptr<AutomationObject>& page) override;

  private:
    std::string LogFile();
    // The log file the settings name (or the default for an unset part), and the default one.
    std::pair<std::string, std::string> LogFiles();

    std::string progId_;
    // The add-in object last created, while the host holds it.
    std::weak_ptr<bridge::ComAddIn> created_;
    std::shared_ptr<win::RegistrySettingsStore> store_ =
        std::make_shared<win::RegistrySettingsStore>();
    std::vector<std::unique_ptr<bridge::ClassRegistration>> offered_;
    std::unique_ptr<testhost::BoxAnswerer> boxes_;
    ComponentSystem system_;
    scenario::ScenarioMachine* machine_ = nullptr;
};

}  // namespace pwk::simrun
