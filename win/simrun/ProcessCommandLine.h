#pragma once

#include <string>

namespace pwk::simrun {

// The command line this process reports (GetCommandLineW), which the component reads as the
// host's: the runner is the host's process, so a scenario's `host commandline` becomes this
// process's own for the time of a host process. The text is written in place into the
// process's command-line buffer, which the system keeps for the process's life; a text longer
// than the runner's own command line does not fit and is refused.
class ProcessCommandLine {
  public:
    ProcessCommandLine();
    ~ProcessCommandLine() { Restore(); }
    ProcessCommandLine(const ProcessCommandLine&) = delete;
    ProcessCommandLine& operator=(const ProcessCommandLine&) = delete;

    // Throws the scenario's CommandError when `commandLine` does not fit.
    void Set(const std::string& commandLine);
    // Puts the runner's own command line back.
    void Restore();

  private:
    std::wstring original_;
};

}  // namespace pwk::simrun
