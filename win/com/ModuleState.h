#pragma once

#include <windows.h>

#include <string>

#include "win/combase/ModuleCount.h"

namespace pwk {
class Component;
}

namespace pwk::win {

// What the DLL keeps once per process: its module handle, whether COM may unload it, and the
// one Component with its platform and settings store, made when the first object is created.
class ModuleState {
  public:
    static void Attach(HMODULE module) { module_ = module; }
    static HMODULE Module() { return module_; }
    // The DLL's own file.
    static std::wstring Path();

    // No object of the component lives and no client holds a lock on it (every object that
    // faces COM counts itself, by its lifetime: win/combase/Lifetime.h).
    static bool CanUnload() { return ModuleCount::IsIdle(); }

    // The process's component; the first call makes it (Main runs when Connect is created).
    static Component& TheComponent();

  private:
    static inline HMODULE module_ = nullptr;
};

}  // namespace pwk::win
