#include "tools/scenario/FailingSettingsStore.h"

#include "src/tracking/SettingsChanges.h"
#include "store/StoreFailure.h"

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

std::optional<std::int32_t> FailingSettingsStore::Take(Operation operation) {
    std::optional<Plan>& plan = PlanOf(operation);
    if (!plan) {
        return std::nullopt;
    }
    const std::int32_t number = plan->Number;
    ++refusals_;
    if (plan->Times && --*plan->Times <= 0) {
        plan.reset();
    }
    return number;
}

// The plan's number is what the add-in is told; the reason is the registry's for a key it may
// not touch (access denied), the same refusal the component's registry calls get under --com.
// The count of saves lies apart from the settings (on Windows in a key of its own): a plan
// refuses the settings, as a protected key does, never the count, so that a scenario's planned
// failures meet the values it names.
void FailingSettingsStore::CheckSettings(const std::string& appName, Operation operation,
                                         const std::string& what) {
    if (appName != SettingsChanges::AppName) {
        Check(operation, what);
    }
}

void FailingSettingsStore::Check(Operation operation, const std::string& what) {
    if (const auto number = Take(operation)) {
        const StoreAction action = operation == Operation::Read   ? StoreAction::Read
                                   : operation == Operation::Save ? StoreAction::Write
                                                                  : StoreAction::Remove;
        RaiseStoreFailure(*number, action, what, WindowsErrorReason(5));
    }
}

std::string FailingSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                             const std::string& key,
                                             const std::string& defaultValue) {
    CheckSettings(appName, Operation::Read, section + "\\" + key);
    return store_->GetSetting(appName, section, key, defaultValue);
}

std::vector<std::pair<std::string, std::string>> FailingSettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    CheckSettings(appName, Operation::Read, section);
    return store_->GetAllSettings(appName, section);
}

void FailingSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                       const std::string& key, const std::string& value) {
    CheckSettings(appName, Operation::Save, section + "\\" + key);
    store_->SaveSetting(appName, section, key, value);
}

void FailingSettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    CheckSettings(appName, Operation::Remove, section);
    store_->DeleteSection(appName, section);
}

void FailingSettingsStore::DeleteApplication(const std::string& appName) {
    CheckSettings(appName, Operation::Remove, appName);
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
