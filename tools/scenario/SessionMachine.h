#pragma once

#include <set>
#include <string>

#include "tools/scenario/ScenarioMachine.h"

namespace pwk::scenario {

class ScenarioFileUtility;
class ScenarioPlatform;

// The scenario's machine for an external component: the same answers and the same transcript
// lines as the core gets from the scenario's platform, file utility and settings store (whose
// planned failures the component's registry calls meet); a file utility made absent leaves the
// machine without a documents folder.
class SessionMachine final : public ScenarioMachine {
  public:
    SessionMachine(ScenarioPlatform& platform, ScenarioFileUtility& fileUtility,
                   FailingSettingsStore& storeFaults, const std::set<std::string>& absent,
                   const bool& debugMode)
        : platform_(platform),
          fileUtility_(fileUtility),
          storeFaults_(storeFaults),
          absent_(absent),
          debugMode_(debugMode) {}

    std::string CommandLine() override;
    std::optional<OsVersionInfo> OsVersion() override;
    Platform::Clock::time_point Now() override;
    std::string DocumentsFolder() override;
    std::string ComponentFolder() override;
    bool Installed(const std::string& progId) override;
    std::optional<std::int32_t> PlannedFailure(const std::string& path,
                                               FileOperation operation) override;
    void Copied(const std::string& source, const std::string& destination,
                std::optional<std::int32_t> failure) override;
    void Deleted(const std::string& path, std::optional<std::int32_t> failure) override;
    std::optional<std::int32_t> PlannedStoreFailure(
        FailingSettingsStore::Operation operation) override;
    void StartProgram(const std::string& commandLine, int windowStyle) override;
    void Help(const std::string& helpFile, int helpContext) override;
    bool DebugMode() override { return debugMode_; }
    bool Unattended() override;

  private:
    ScenarioPlatform& platform_;
    ScenarioFileUtility& fileUtility_;
    FailingSettingsStore& storeFaults_;
    const std::set<std::string>& absent_;
    const bool& debugMode_;
};

}  // namespace pwk::scenario
