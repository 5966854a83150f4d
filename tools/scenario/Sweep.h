#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "tools/scenario/ScenarioRun.h"

namespace pwk::scenario {

// Runs a scenario once as it stands, to count its host calls, then once per host call with
// that call failed (or every `Every`-th: calls 1, 1+Every, 1+2*Every ...), each run in this
// process and carried on past failed checks. A failed call may well fail the scenario's checks;
// what no run may do is let a failure reach the host, leave anything of the host held when a
// host process ends, leave sent mail half-filed (SweepFilingCheck) or the settings store in a
// state the clean run's does not allow (SweepSettingsCheck), crash or hang. Prints one line per
// finding of a faulty run and a summary.
class Sweep {
  public:
    // How the failing runs' boxes are answered: as the scenario scripts them, else with the
    // box's default button; or so, but with every unscripted error report answered Ignore,
    // since Ignore is what users press. The clean run always answers as scripted.
    enum class Answers { AsScripted, Ignore };

    struct Options {
        RunOptions Run;          // the mailbox, as for a plain run
        std::int64_t Every = 1;  // sample every k-th call
        // When set, `Every` is chosen so that about this many runs spread over the calls.
        std::int64_t Runs = 0;
        int SecondsPerRun = 60;  // a run taking longer is a hang: the process ends
        Answers Answering = Answers::AsScripted;
    };

    Sweep(std::ostream& out, Options options);

    // 0 when every run was sound (and the scenario held as it stands), 1 otherwise, 2 when
    // the scenario could not run at all.
    int Run(const std::string& scenarioText, const std::filesystem::path& baseFolder);

  private:
    std::ostream& out_;
    Options options_;
};

}  // namespace pwk::scenario
