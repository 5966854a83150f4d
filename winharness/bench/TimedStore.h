#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "src/platform/SettingsStore.h"
#include "winharness/bench/CostClock.h"

namespace pwk::winbench {

// A settings store passed through to another, that notes what its outermost batches cost and
// the values they saved, so that the same values can be written again by other means.
class TimedStore final : public SettingsStore {
  public:
    struct Saved {
        std::string AppName, Section, Key, Value;
    };

    explicit TimedStore(std::shared_ptr<SettingsStore> store) : store_(std::move(store)) {}

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        return store_->GetSetting(appName, section, key, defaultValue);
    }
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override {
        return store_->GetAllSettings(appName, section);
    }
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (depth_ > 0) {
            saved_.push_back({appName, section, key, value});
        }
        store_->SaveSetting(appName, section, key, value);
    }
    void DeleteSection(const std::string& appName, const std::string& section) override {
        store_->DeleteSection(appName, section);
    }
    void DeleteApplication(const std::string& appName) override {
        store_->DeleteApplication(appName);
    }
    void Batch(const std::function<void()>& changes) override;
    bool BatchChanges() override { return store_->BatchChanges(); }
    void Snapshot(const std::function<void()>& reads) override { store_->Snapshot(reads); }

    const Cost& BatchCost() const { return cost_; }
    const std::vector<Saved>& SavedInBatches() const { return saved_; }

  private:
    std::shared_ptr<SettingsStore> store_;
    int depth_ = 0;
    Cost cost_;
    std::vector<Saved> saved_;
};

}  // namespace pwk::winbench
