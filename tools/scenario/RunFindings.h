#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pwk::scenario {

// What the settings store held at one moment of a run: the add-in's settings and its recovery
// record of dropped foldersets, each as sorted "section|key=value" lines.
struct StoredSettings {
    int Line = 0;         // the scenario line of the command just run; 0 before the first
    std::string Command;  // its name ("start", "track" ...)
    // The store operations the scenario's planned store failures refused so far.
    std::int64_t StoreRefusals = 0;
    std::vector<std::string> Settings;
    std::vector<std::string> Recovery;
};

// What a run found besides its checks: the faults no scenario may show, whatever it expects.
// A sweep judges its runs by these, since a failed host call may well fail the checks.
struct RunFindings {
    // Every host call of the run, across all its host processes.
    std::int64_t HostCalls = 0;
    // Failures one of the add-in's handlers let reach the host ("Event: description").
    std::vector<std::string> Escaped;
    // What was still held of a host process when it ended (or that it did not shut down), and
    // any control of an add-in its bars kept for the next window.
    std::vector<std::string> HeldAfterQuit;
    // An external add-in that stayed loaded when a host process ended.
    std::vector<std::string> StillLoaded;
    // Sent mail a host process left half-filed in its folders (SweepFilingCheck).
    std::vector<std::string> HalfFiled;
    // When asked for (RunOptions::RecordSettings): the store before the first command and after
    // each, for a sweep to hold a failing run's settings against the clean run's.
    std::vector<StoredSettings> SettingsAfterCommands;
    // When asked for (Session::NameCallsOfRun): every host call's "Type.Member", in order.
    std::vector<std::string> CallNames;

    bool Clean() const {
        return Escaped.empty() && HeldAfterQuit.empty() && StillLoaded.empty() && HalfFiled.empty();
    }
};

}  // namespace pwk::scenario
