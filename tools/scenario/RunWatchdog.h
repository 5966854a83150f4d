#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

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
    void Watch();

    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string label_;
    bool running_ = false;
    bool stopping_ = false;
    std::chrono::steady_clock::time_point started_;
    std::thread thread_;
};

}  // namespace pwk::scenario
