#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "tools/scenario/RunFindings.h"

namespace pwk::scenario {

class ExternalAddIn;

// How parleywick-sim was asked to run.
struct RunOptions {
    std::optional<std::string> Mailbox;  // --mailbox FILE|demo
    bool KeepGoing = false;              // report every failed check, not only the first
    // --fail-call N: the N-th host call of the whole run (counted across its starts, 1 = the
    // first) fails with the host's "unspecified failure", whatever the scenario plans.
    std::optional<std::int64_t> FailCall;
    // --com: each session's host loads this external add-in instead of the core's Connect.
    std::function<std::shared_ptr<ExternalAddIn>()> External;
    // Keep the settings store's content before the first command and after each, and the name
    // of every host call in order (a sweep, to judge its runs and name their failed calls).
    bool RecordSettings = false;
    // An error report the scenario does not answer is answered Ignore, as users answer it,
    // instead of with its default button (a sweep's second pass).
    bool IgnoreReports = false;
    // Write what each command did to the host (windows, items, controls). A sweep's failing
    // runs turn it off: their findings judge them and their transcripts go unread, and taking
    // the host's picture after every command was half of each run's time.
    bool WatchHost = true;
};

// The exit statuses of a run.
namespace ExitStatus {
inline constexpr int Held = 0;    // every check held
inline constexpr int Failed = 1;  // a check failed
inline constexpr int Error = 2;   // the scenario could not run (bad line, folder, mailbox)
}  // namespace ExitStatus

// One run of the scenario runner: a session, its transcript on `out`, and the commands,
// either all of a scenario file (checked before anything runs) or typed one by one.
class ScenarioRun {
  public:
    ScenarioRun(std::ostream& out, RunOptions options);

    // Runs a whole scenario; relative paths in it are taken from `baseFolder`.
    int RunScenario(std::istream& in, const std::filesystem::path& baseFolder);
    // Reads commands until end of input; a bad line is reported and the next one is read.
    // When `typed`, each is asked for at the "pwk> " prompt and "quit" ends the session too;
    // otherwise (input from a pipe) each is echoed into the transcript instead.
    int RunInteractive(std::istream& in, bool typed);

    // What the last run found besides its checks.
    const RunFindings& Findings() const { return findings_; }

  private:
    std::ostream& out_;
    RunOptions options_;
    RunFindings findings_;
};

}  // namespace pwk::scenario
