#pragma once

#include "tools/scenario/ScenarioMachine.h"
#include "winharness/simrun/ImportTable.h"

namespace pwk::simrun {

// Sends the component's registry calls (`imports` being its import table) through `machine`
// until the next call: opening a section of its settings to read it or to write a value into
// it, and removing one, are refused (access denied) when the scenario plans the settings store to
// fail that operation, one planned failure per operation, as the scenario's store fails for the
// core. What the registry store does for itself (its pending batch, the copies of whole
// applications) is never refused: the scenario's store has nothing of the kind to fail.
void AnswerRegistryCalls(const ImportTable& imports, scenario::ScenarioMachine& machine);

}  // namespace pwk::simrun
