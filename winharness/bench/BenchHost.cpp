#include "winharness/bench/BenchHost.h"

#include <string>

#include "sim/SimItemState.h"
#include "src/host/Item.h"
#include "win/platform/RegistryReadCache.h"
#include "winharness/simrun/SeenHooks.h"

namespace pwk::winbench {

BenchHost::BenchHost(int foldersets, const std::shared_ptr<SettingsStore>& store, bool windows,
                     Settings settings) {
    harness.platform.SetSettings(store);
    const bool write = settings == Settings::Written;
    if (write) {
        try {
            store->DeleteApplication(ProductTitle);
        } catch (const Failure&) {
            // Nothing stored yet.
        }
        harness.StoreSavedSettings(ComponentVersion);
    }
    harness.AddTrackedFoldersets(foldersets, write);
    if (write) {
        // A desk's first start comes long after the administrator's change: by then every key
        // written has settled, and the first start's listing of it stands in the read cache.
        // Started at once, the keys written last would be listed again at every later start.
        Sleep(static_cast<DWORD>(win::RegistryReadCache::kSettled / 10'000) + 20);
    }
    if (!windows) {
        harness.host.OpenExplorer("Mailbox/Inbox");
        return;
    }
    harness.OpenSpreadWindows(foldersets, Windows);
}

bool BenchHost::EveryWindowHooked() {
    const auto hooks = simrun::SeenHooks(harness.host);
    return hooks.Application && hooks.Explorers == Windows / 2 && hooks.Inspectors == Windows / 2;
}

void BenchHost::Quit() {
    if (harness.host.Running()) {
        harness.host.Quit();
    }
}

}  // namespace pwk::winbench
