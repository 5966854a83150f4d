#pragma once

#include <windows.h>

#include <string>

#include "tools/scenario/ScenarioMachine.h"
#include "win/combase/Unique.h"

namespace pwk::simrun {

// The component's calls to the operating system that make up the machine it runs on, answered
// by the scenario's machine while a host process lasts, so that a file means the same for the
// component as for the core on the scenario's platform: the host's command line (the runner
// is the host's process), the operating system's version record,
// the clock, the user's documents folder and the component's own folder, the classes it
// creates by ProgID (those the scenario makes absent are not registered), file copies and
// deletions (reported, failed as planned, else done on the prefix's files), its settings
// (failed as the scenario plans the settings store to fail), the programs it
// starts (reported, never started) and the help it opens (reported). Only the component's own
// calls are answered (its import table is changed, no other module's), and only one component
// at a time.
class ComponentSystem {
  public:
    ComponentSystem() = default;
    ComponentSystem(const ComponentSystem&) = delete;
    ComponentSystem& operator=(const ComponentSystem&) = delete;

    // Loads the component's library (the file COM loads it from) and sends its calls to
    // `machine` from now on; the folders the machine names are made in the prefix. A library
    // that does not load is left to COM, which then cannot create the component either.
    void Begin(const std::wstring& library, scenario::ScenarioMachine& machine);
    // Lets go of the library (COM may then unload it) and of the machine.
    void End();

  private:
    win::UniqueModule module_;
};

}  // namespace pwk::simrun
