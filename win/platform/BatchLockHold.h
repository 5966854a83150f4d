#pragma once

#include "win/platform/BatchLock.h"

namespace pwk::win {

// Holds a batch lock for as long as it lives: a batch recorded or applied, or reads that must
// not see one go half way.
class BatchLockHold {
  public:
    explicit BatchLockHold(BatchLock& lock) : lock_(lock) { lock_.Enter(); }
    ~BatchLockHold() { lock_.Leave(); }
    BatchLockHold(const BatchLockHold&) = delete;
    BatchLockHold& operator=(const BatchLockHold&) = delete;

  private:
    BatchLock& lock_;
};

}  // namespace pwk::win
