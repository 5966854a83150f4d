#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>

#include "tools/scenario/ScenarioRun.h"

namespace pwk::scenario::test {

// Settings that make a start neither a first run nor an upgrade, so it shows no box.
inline constexpr const char* kSettled =
    "mailbox demo\n"
    "setting Tracking FirstRun False\n"
    "setting Version Major 2\n"
    "setting Version Minor 1\n"
    "setting Version Revision 158\n";

// How a scenario text ran: its exit status, what the run found and its transcript.
struct Outcome {
    int Status = -1;
    RunFindings Findings;
    std::string Transcript;

    bool Says(const std::string& text) const { return Transcript.find(text) != std::string::npos; }
};

inline Outcome RunText(const std::string& text, RunOptions options = {},
                       const std::filesystem::path& base = std::filesystem::current_path()) {
    std::ostringstream out;
    std::istringstream in(text);
    ScenarioRun run(out, std::move(options));
    Outcome outcome;
    outcome.Status = run.RunScenario(in, base);
    outcome.Findings = run.Findings();
    outcome.Transcript = out.str();
    return outcome;
}

}  // namespace pwk::scenario::test
