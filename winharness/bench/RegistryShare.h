#pragma once

#include <cstddef>

#include "winharness/bench/CostClock.h"
#include "winharness/bench/StartUpRuns.h"

namespace pwk::winbench {

// The registry store's share of a start-up with `foldersets`: the core's start in this process
// on the registry store (the store the component uses, the same code), the batches of its save
// timed, and the values those batches saved written again with plain RegSetValueExW calls over
// themselves, as a store without crash safety that wrote every value would.
struct RegistryShare {
    TimedRun Start;
    Cost Batch;
    Cost Plain;
    std::size_t Values = 0;
};

RegistryShare MeasureRegistryShare(int foldersets);

}  // namespace pwk::winbench
