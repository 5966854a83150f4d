#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace pwk::scenario {

// Names the run in progress when it hangs or the process dies of a signal, since a sweep runs
// hundreds of runs in one process and a crash or a hang must say which one it was. A run that
// takes longer than its limit ends the process with status 1.
class RunWatchdog {
  public:
    explicit RunWatchdog(std::chrono::seconds limit);
    ~RunWatchdog();
    RunWatchdog(const RunWatchdog&) = delete;
    RunWatchdog& operator=(const RunWatchdog&) = delete;

    // A run starts ("host call 17 of restart.scenario failing") or ends.
    void Begin(const std::string& label);
    void End();

  private:
    // What ends a run that outlives the limit: a thread waiting on a condition variable, or on
    // Windows (whose toolchain here has no std::thread) a timer of the system's.
    class Alarm;

    std::unique_ptr<Alarm> alarm_;
};

}  // namespace pwk::scenario
