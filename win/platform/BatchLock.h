#pragma once

#include <windows.h>

#include <string>

#include "win/combase/Unique.h"

namespace pwk::win {

// Lets one program at a time record or apply a batch of settings under one pending key: the
// add-in in the mail client and the administrator's settings tool may both be at work, and
// one must not throw away or apply the other's half-recorded batch. A named mutex, named after
// the pending key; the thread that holds it may enter again, and leaves as often.
class BatchLock {
  public:
    explicit BatchLock(const std::wstring& pendingKey);
    ~BatchLock();
    BatchLock(const BatchLock&) = delete;
    BatchLock& operator=(const BatchLock&) = delete;

    // Waits for the other program's batch to end; a failure (5) when it does not end within
    // a few seconds. A program that died holding the lock gives it up to the next one, whose
    // recovery then deals with what it left.
    void Enter();
    void Leave() noexcept;

    // The name of a kernel object of this user's session made from a registry key's path.
    static std::wstring KernelName(std::wstring keyPath);

  private:
    UniqueHandle mutex_;
};

}  // namespace pwk::win
