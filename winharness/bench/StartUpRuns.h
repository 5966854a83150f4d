#pragma once

#include <memory>
#include <string>

#include "src/platform/SettingsStore.h"
#include "winharness/bench/BenchHost.h"
#include "winharness/bench/CallScript.h"
#include "winharness/bench/CostClock.h"
#include "winharness/bridge/BridgeCalls.h"

namespace pwk::winbench {

// What one run asked of the bridges.
bridge::BridgeCalls::Counts CallsSince(const bridge::BridgeCalls::Counts& before);

// What one timed run cost and asked of the bridges. `Error` is set when the run failed (a
// window left unhooked, the component not created, a replay that went otherwise than the
// recorded run).
struct TimedRun {
    Cost Spent;
    bridge::BridgeCalls::Counts Calls;
    std::string Error;
};

// One start-up on a fresh host of `foldersets` (BenchHost) each.
// The real component, created by its ProgID and connected through the bridge, settings in the
// registry (written before the start, or kept from the last); with `script`, its host calls are
// recorded there.
TimedRun ComponentStart(int foldersets, CallScript* script, BenchHost::Settings settings);
// The recorded calls made again through the bridge on the same host, and nothing else.
TimedRun FloorStart(int foldersets, CallScript& script);
// The core in this process on the simulated host directly, settings in `store`.
TimedRun CoreStart(int foldersets, const std::shared_ptr<SettingsStore>& store,
                   BenchHost::Settings settings = BenchHost::Settings::Written);

}  // namespace pwk::winbench
