#include "tools/scenario/FailingSettingsStore.h"

#include "src/util/Failure.h"

namespace pwk::scenario {

void FailingSettingsStore::Fail(Operation operation, std::int32_t number,
                                std::optional<int> times) {
    PlanOf(operation) = Plan{number, times};
}

std::optional<FailingSettingsStore::Plan>& FailingSettingsStore::PlanOf(Operation operation) {
    switch (operation) {
        case Operation::Read:
            return reads_;
        case Operation::Save:
            return saves_;
        case Operation::Remove:
            break;
    }
    return removals_;
}

void FailingSettingsStore::Clear() {
    reads_.reset();
    saves_.reset();
    removals_.reset();
}

void FailingSettingsStore::Check(std::optional<Plan>& plan, const std::string& what) {
    if (!plan) {
        return;
    }
    const std::int32_t number = plan->Number;
    if (plan->Times && --*plan->Times <= 0) {
        plan.reset();
    }
    throw Failure(number, "The settings store could not " + what, "SettingsStore");
}

std::string FailingSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                             const std::string& key,
                                             const std::string& defaultValue) {
    Check(reads_, "read " + section + "\\" + key);
    return store_->GetSetting(appName, section, key, defaultValue);
}

std::vector<std::pair<std::string, std::string>> FailingSettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    Check(reads_, "read " + section);
    return store_->GetAllSettings(appName, section);
}

void FailingSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                       const std::string& key, const std::string& value) {
    Check(saves_, "write " + section + "\\" + key);
    store_->SaveSetting(appName, section, key, value);
}

void FailingSettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    Check(removals_, "remove " + section);
    store_->DeleteSection(appName, section);
}

void FailingSettingsStore::DeleteApplication(const std::string& appName) {
    Check(removals_, "remove " + appName);
    store_->DeleteApplication(appName);
}

void FailingSettingsStore::Batch(const std::function<void()>& changes) {
    // The writes inside come back through this store and fail there; the batch rolls back.
    store_->Batch(changes);
}

void FailingSettingsStore::Snapshot(const std::function<void()>& reads) {
    // The reads inside come back through this store and fail there.
    store_->Snapshot(reads);
}

}  // namespace pwk::scenario
