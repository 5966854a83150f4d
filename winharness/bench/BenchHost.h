#pragma once

#include <memory>

#include "src/platform/SettingsStore.h"
#include "tests/support/AddinHarness.h"

namespace pwk::winbench {

// A host process as the Linux start-up benchmark starts one: the test mailbox, `foldersets`
// tracked folder triples "Public/Set N" stored in `store` (emptied first) with the settings of
// a run of this version (no first-run box, no upgrade), and 20 windows, explorers and contact
// inspectors, on the contacts folders of the first, the middle and the last folderset (or,
// without `windows`, one explorer on the Inbox).
class BenchHost {
  public:
    static constexpr int Windows = 20;

    // Written: the settings are written before the start, as on the first start after an
    // administrator changed them. Kept: `store` holds them from an earlier start on a host of the
    // same size and they are left as that start saved them, as on every other day.
    enum class Settings { Written, Kept };

    BenchHost(int foldersets, const std::shared_ptr<SettingsStore>& store, bool windows = true,
              Settings settings = Settings::Written);

    // Whether the add-in connected to every window, as the bridge shows it.
    bool EveryWindowHooked();
    // The windows close and the host shuts down.
    void Quit();

    test::AddinHarness harness;
};

}  // namespace pwk::winbench
