#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pwk::scenario {

// What a run found besides its checks: the faults no scenario may show, whatever it expects.
// A sweep judges its runs by these, since a failed host call may well fail the checks.
struct RunFindings {
    // Every host call of the run, across all its host processes.
    std::int64_t HostCalls = 0;
    // Failures one of the add-in's handlers let reach the host ("Event: description").
    std::vector<std::string> Escaped;
    // What was still held of a host process when it ended (or that it did not shut down).
    std::vector<std::string> HeldAfterQuit;
    // An external add-in that stayed loaded when a host process ended.
    std::vector<std::string> StillLoaded;

    bool Clean() const { return Escaped.empty() && HeldAfterQuit.empty() && StillLoaded.empty(); }
};

}  // namespace pwk::scenario
