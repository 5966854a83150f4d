#pragma once

#include <windows.h>

#include "win/published/OwnObjects.h"

namespace pwk {
class Component;
}

namespace pwk::win {

// What the DLL keeps once per process: its module handle, the counts that tell COM whether it
// may be unloaded (Connect objects, locks and the live automation objects of OwnObjects), and the
// one Component with its platform and settings store, made when the first object is created.
class ModuleState {
  public:
    static void Attach(HMODULE module) { module_ = module; }
    static HMODULE Module() { return module_; }

    static void ObjectCreated() { InterlockedIncrement(&objects_); }
    static void ObjectDestroyed() { InterlockedDecrement(&objects_); }
    static void Lock(bool lock) {
        lock ? InterlockedIncrement(&locks_) : InterlockedDecrement(&locks_);
    }
    // The component's automation objects (settings, foldersets, what the options page gets)
    // count as they live, in their own table.
    static bool CanUnload() {
        return objects_ == 0 && locks_ == 0 && OwnObjects::Instance().Live() == 0;
    }

    // The process's component; the first call makes it (Main runs when Connect is created).
    static Component& TheComponent();

  private:
    static inline HMODULE module_ = nullptr;
    static inline LONG objects_ = 0;
    static inline LONG locks_ = 0;
};

}  // namespace pwk::win
