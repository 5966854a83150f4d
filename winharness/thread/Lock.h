#pragma once

#include <windows.h>

namespace pwk::harness {

// A lock between this process's threads (a critical section), held by a Lock::Held while it
// lives: the toolchain's win32 thread model has no std::mutex.
class Lock {
  public:
    Lock() { InitializeCriticalSection(&section_); }
    ~Lock() { DeleteCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    class Held {
      public:
        explicit Held(Lock& lock) : lock_(lock) { EnterCriticalSection(&lock_.section_); }
        ~Held() { LeaveCriticalSection(&lock_.section_); }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

      private:
        Lock& lock_;
    };

  private:
    CRITICAL_SECTION section_;
};

}  // namespace pwk::harness
