#pragma once

#include "win/combase/ModuleCount.h"

namespace pwk::win {

// How a COM object's life relates to its module, a policy of ComObject and ClassFactory:
// whether the last Release frees it, whether it keeps the module loaded while it lives, and
// what a client's LockServer on its class object does.

// An object a COM server hands out (the component's): it keeps the DLL loaded while it lives.
struct ServerLifetime {
    static constexpr bool FreedOnRelease = true;
    static void Begin() noexcept { ModuleCount::Add(); }
    static void End() noexcept { ModuleCount::Remove(); }
    static void Lock(bool lock) noexcept { lock ? ModuleCount::Add() : ModuleCount::Remove(); }
};

// A server's class object: a static that lives as long as the DLL, so the last Release frees
// nothing and it does not keep the DLL loaded itself; only a client's lock on it does.
struct ServerStaticLifetime {
    static constexpr bool FreedOnRelease = false;
    static void Begin() noexcept {}
    static void End() noexcept {}
    static void Lock(bool lock) noexcept { ServerLifetime::Lock(lock); }
};

// An object of a program that serves no module (the test hosts, the bridge): nothing to keep
// loaded.
struct ProgramLifetime {
    static constexpr bool FreedOnRelease = true;
    static void Begin() noexcept {}
    static void End() noexcept {}
    static void Lock(bool) noexcept {}
};

}  // namespace pwk::win
