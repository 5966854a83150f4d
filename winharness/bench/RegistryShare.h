#pragma once

#include <cstddef>

#include "win/platform/RegistryReadCache.h"
#include "winharness/bench/CostClock.h"
#include "winharness/bench/StartUpRuns.h"

namespace pwk::winbench {

// The registry store's share of a start-up with `foldersets`: the core's start in this process
// on the registry store (the store the component uses, the same code), the batches of its save
// timed, and the values those batches saved written again with plain RegSetValueExW calls over
// themselves, as a store without crash safety that wrote every value would.
//
// The start is timed on the bare store, and the batches on another start right after it (on
// the first start after the settings were written, on that start).
// The store keeps its read cache in a file of the bench's own, as the component does in its
// own: with the settings kept from the last start, the start lists only the keys changed since.
struct RegistryShare {
    TimedRun Start;
    Cost Batch;
    Cost Plain;
    std::size_t Values = 0;
    win::RegistryReadCache::Counts Keys;  // the keys the cache answered, and those listed
};

RegistryShare MeasureRegistryShare(int foldersets, BenchHost::Settings settings);

}  // namespace pwk::winbench
