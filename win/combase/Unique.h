#pragma once

#include <objbase.h>
#include <windows.h>

#include <utility>

namespace pwk::win {

// Owns one Win32 resource that `Close` gives back: given back when the owner goes, so no path
// forgets it. `Close` is a function object taking the resource.
template <class T, class Close>
class Unique {
  public:
    Unique() = default;
    explicit Unique(T value) : value_(value) {}
    Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
    Unique& operator=(Unique other) noexcept {
        std::swap(value_, other.value_);
        return *this;
    }
    Unique(const Unique&) = delete;
    ~Unique() {
        if (value_ != T{}) {
            Close()(value_);
        }
    }

    T Get() const { return value_; }
    // The address of the empty owner, for a call that hands back a new resource.
    T* Out() {
        *this = Unique();
        return &value_;
    }
    explicit operator bool() const { return value_ != T{}; }

  private:
    T value_{};
};

struct CloseKernelHandle {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
struct FreeLocalMemory {
    void operator()(void* memory) const noexcept { LocalFree(memory); }
};
struct FreeTaskMemory {
    void operator()(void* memory) const noexcept { CoTaskMemFree(memory); }
};
struct FreeModule {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};

// A kernel object's handle (a process, a thread, a mutex, an event). Functions that fail with
// INVALID_HANDLE_VALUE (files) are not to be kept here: it is not null.
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;
// Memory a system call allocated for its answer with LocalAlloc (FormatMessage,
// CommandLineToArgvW) or CoTaskMemAlloc (a COM call's out parameter).
template <class T>
using LocalMemory = Unique<T*, FreeLocalMemory>;
template <class T>
using TaskMemory = Unique<T*, FreeTaskMemory>;
// A library this code loaded itself.
using UniqueModule = Unique<HMODULE, FreeModule>;

}  // namespace pwk::win
