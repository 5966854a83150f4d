#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "win/combase/Unique.h"

namespace pwk::harness {

// A thread that runs one function and is waited for when it goes: the toolchain's win32 thread
// model, which keeps the shipped files to Windows 2000, has no std::thread.
class Thread {
  public:
    explicit Thread(std::function<void()> body)
        : body_(std::move(body)),
          handle_(CreateThread(nullptr, 0, &Thread::Run, this, 0, nullptr)) {}
    ~Thread() { Join(); }
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    void Join() {
        if (handle_) {
            WaitForSingleObject(handle_.Get(), INFINITE);
            handle_ = win::UniqueHandle();
        }
    }

  private:
    static DWORD WINAPI Run(void* self) {
        static_cast<Thread*>(self)->body_();
        return 0;
    }

    std::function<void()> body_;
    win::UniqueHandle handle_;
};

}  // namespace pwk::harness
