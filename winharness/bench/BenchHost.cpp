#include "winharness/bench/BenchHost.h"

#include <string>

#include "sim/SimItemState.h"
#include "src/host/Item.h"
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
