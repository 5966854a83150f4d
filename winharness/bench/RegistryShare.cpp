#include "winharness/bench/RegistryShare.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "win/combase/WideText.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"
#include "winharness/bench/TimedStore.h"

namespace pwk::winbench {

namespace {

// Out of the way of the settings.
constexpr const wchar_t* kPlainBase = L"Software\\Parleywick\\Bench plain write";

// Each value set with RegSetValueExW, each section's key opened once.
void WritePlainly(const std::vector<TimedStore::Saved>& values) {
    std::map<std::wstring, std::optional<win::RegistryKey>> keys;
    for (const TimedStore::Saved& value : values) {
        const std::wstring path = std::wstring(kPlainBase) + L"\\" + win::Widen(value.AppName) +
                                  L"\\" + win::Widen(value.Section);
        auto& key = keys[path];
        if (!key) {
            LONG status = ERROR_SUCCESS;
            key = win::RegistryKey::Create(HKEY_CURRENT_USER, path, status);
        }
        if (key) {
            key->SetString(win::Widen(value.Key), win::Widen(value.Value));
        }
    }
}

}  // namespace

std::shared_ptr<win::RegistrySettingsStore> CachedRegistryStore() {
    using Store = win::RegistrySettingsStore;
    return std::make_shared<Store>(
        HKEY_CURRENT_USER, Store::ProgramSettings, Store::PendingBatch, Store::Access::ReadWrite,
        win::RegistryReadCache::InLocalAppData(L"Bench settings read cache"));
}

RegistryShare MeasureRegistryShare(int foldersets, BenchHost::Settings settings) {
    RegistryShare share;
    // The start on the store as the component has it, and then one more start on it whose
    // batches are timed (noting every value saved costs the start time of its own). The first
    // start after the settings were written is the one whose batches are timed.
    const bool first = settings == BenchHost::Settings::Written;
    const auto registry = CachedRegistryStore();
    const auto store = std::make_shared<TimedStore>(first ? registry : CachedRegistryStore());
    share.Start =
        CoreStart(foldersets, first ? std::shared_ptr<SettingsStore>(store) : registry, settings);
    share.Keys = registry->CacheCounts();
    if (!first && share.Start.Error.empty()) {
        share.Start.Error = CoreStart(foldersets, store, BenchHost::Settings::Kept).Error;
    }
    share.Batch = store->BatchCost();
    share.Values = store->SavedInBatches().size();
    // Written once first: the keys and values are there, as the settings were before the save.
    WritePlainly(store->SavedInBatches());
    const CostClock clock;
    WritePlainly(store->SavedInBatches());
    share.Plain = clock.Elapsed();
    win::RegistryKey::DeleteTree(HKEY_CURRENT_USER, kPlainBase);
    return share;
}

}  // namespace pwk::winbench
