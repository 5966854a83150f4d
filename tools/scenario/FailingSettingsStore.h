#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "src/platform/SettingsStore.h"

namespace pwk::scenario {

// The settings store as the add-in sees it in a scenario: the session's store, with reads,
// saves or removals failing while the scenario plans it, the way an unreadable or
// write-protected registry key fails (access denied, Windows error 5).
class FailingSettingsStore : public SettingsStore {
  public:
    enum class Operation { Read, Save, Remove };

    void UseStore(std::shared_ptr<SettingsStore> store) { store_ = std::move(store); }
    // Every such operation from now on fails with `number`; only the next `times` when given.
    void Fail(Operation operation, std::int32_t number, std::optional<int> times);
    void Clear();
    // The number the next such operation fails with by the plan, if any; counts it as done.
    std::optional<std::int32_t> Take(Operation operation);
    // How many operations the plans have failed so far.
    std::int64_t Refusals() const { return refusals_; }

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSection(const std::string& appName, const std::string& section) override;
    void DeleteApplication(const std::string& appName) override;
    void Batch(const std::function<void()>& changes) override;
    bool BatchChanges() override { return store_->BatchChanges(); }
    void Snapshot(const std::function<void()>& reads) override;
    void MarkOpen(bool open) override { store_->MarkOpen(open); }
    bool MarkedOpen() override { return store_->MarkedOpen(); }
    bool MayHaveChanged() override { return store_->MayHaveChanged(); }

  private:
    struct Plan {
        std::int32_t Number = 0;
        std::optional<int> Times;
    };

    void Check(Operation operation, const std::string& what);
    void CheckSettings(const std::string& appName, Operation operation, const std::string& what);

    std::shared_ptr<SettingsStore> store_;
    std::optional<Plan>& PlanOf(Operation operation);

    std::optional<Plan> reads_;
    std::optional<Plan> saves_;
    std::optional<Plan> removals_;
    std::int64_t refusals_ = 0;
};

}  // namespace pwk::scenario
