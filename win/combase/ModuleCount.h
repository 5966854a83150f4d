#pragma once

#include <atomic>

namespace pwk::win {

// What keeps this module loaded: its live COM objects and the locks its clients took through
// LockServer. A server may be unloaded (DllCanUnloadNow) only when both are none. Every binary
// has a count of its own.
class ModuleCount {
  public:
    static void Add() noexcept { ++count_; }
    static void Remove() noexcept { --count_; }
    static bool IsIdle() noexcept { return count_ == 0; }

  private:
    static inline std::atomic<long> count_{0};
};

}  // namespace pwk::win
