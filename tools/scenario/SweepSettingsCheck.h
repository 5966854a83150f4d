#pragma once

#include <string>
#include <vector>

#include "tools/scenario/RunFindings.h"

namespace pwk::scenario {

// What a run with a failed host call may leave in the settings store, command by command,
// against the clean run of the same scenario. After each command the add-in's settings are
// the old ones, or the clean run's, or the old ones changed as the clean run changed them at
// that command (the scenario's own edits), or else a complete save (every value a save writes,
// and all six identifiers of each folderset it counts; after the settings tool, which writes
// only what its command names, no complete save is asked for). Besides:
//  - a folderset is never lost: one there before the command is there after it, or in the
//    recovery record of dropped foldersets, or gone in the clean run too;
//  - a default is never written over a value: an option or kept value there before the command
//    keeps its value or takes the clean run's; when the run had not strayed from the clean run
//    before the command, every option is what the clean run saved;
//  - a recovery record, once written, stays until its folderset is tracked again, unless the
//    clean run removed it too.
// A command during which the scenario's planned store failures refused an operation is not
// judged: what a save leaves then is the store failure's own behaviour (going on past the
// failure leaves that value out, giving up keeps the last save), which its scenarios check.
class SweepSettingsCheck {
  public:
    struct Result {
        std::vector<std::string> Findings;  // one line each: "after line N: ..."
    };

    static Result Compare(const std::vector<StoredSettings>& clean,
                          const std::vector<StoredSettings>& failing);
};

}  // namespace pwk::scenario
