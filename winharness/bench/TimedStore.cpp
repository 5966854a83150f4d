#include "winharness/bench/TimedStore.h"

namespace pwk::winbench {

void TimedStore::Batch(const std::function<void()>& changes) {
    if (depth_ > 0) {
        store_->Batch(changes);
        return;
    }
    const CostClock clock;
    ++depth_;
    try {
        store_->Batch(changes);
    } catch (...) {
        --depth_;
        cost_ += clock.Elapsed();
        throw;
    }
    --depth_;
    cost_ += clock.Elapsed();
}

}  // namespace pwk::winbench
