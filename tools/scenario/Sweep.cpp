#include "tools/scenario/Sweep.h"

#include <algorithm>

#include <chrono>
#include <sstream>
#include <utility>

#include "tools/scenario/RunWatchdog.h"
#include "tools/scenario/SweepFilingCheck.h"
#include "tools/scenario/SweepSettingsCheck.h"

namespace pwk::scenario {
namespace {

struct Outcome {
    int Status = ExitStatus::Error;
    RunFindings Findings;
    std::string Transcript;
};

Outcome RunOnce(const std::string& text, const std::filesystem::path& baseFolder,
                const RunOptions& options) {
    std::ostringstream out;
    std::istringstream in(text);
    ScenarioRun run(out, options);
    Outcome outcome;
    outcome.Status = run.RunScenario(in, baseFolder);
    outcome.Findings = run.Findings();
    outcome.Transcript = out.str();
    return outcome;
}

const char* AnswersText(Sweep::Answers answers) {
    switch (answers) {
        case Sweep::Answers::AsScripted:
            break;
        case Sweep::Answers::Ignore:
            return "boxes answered as scripted, other error reports Ignore";
    }
    return "boxes answered as scripted";
}

// What a failing run showed, against the clean run: the findings that count, and the known
// faults, shown apart.
struct Verdict {
    RunFindings Counted;
    std::vector<std::string> KnownHalfFiled;
    SweepSettingsCheck::Result Settings;
};

Verdict Judge(const RunFindings& clean, const RunFindings& failing, const std::string& failedCall) {
    Verdict verdict{
        failing,
        {},
        SweepSettingsCheck::Compare(clean.SettingsAfterCommands, failing.SettingsAfterCommands)};
    if (SweepFilingCheck::KnownFault(failedCall)) {
        verdict.KnownHalfFiled = std::exchange(verdict.Counted.HalfFiled, {});
    }
    return verdict;
}

void Report(std::ostream& out, const std::string& label, const RunFindings& findings) {
    for (const std::string& escaped : findings.Escaped) {
        out << "sweep: " << label << ": a failure reached the host: " << escaped << "\n";
    }
    for (const std::string& held : findings.HeldAfterQuit) {
        out << "sweep: " << label << ": held after quit: " << held << "\n";
    }
    for (const std::string& loaded : findings.StillLoaded) {
        out << "sweep: " << label << ": after quit: " << loaded << "\n";
    }
    for (const std::string& unfiled : findings.HalfFiled) {
        out << "sweep: " << label << ": half-filed: " << unfiled << "\n";
    }
}

}  // namespace

Sweep::Sweep(std::ostream& out, Options options) : out_(out), options_(std::move(options)) {}

int Sweep::Run(const std::string& scenarioText, const std::filesystem::path& baseFolder) {
    const auto began = std::chrono::steady_clock::now();
    RunWatchdog watchdog(std::chrono::seconds(options_.SecondsPerRun));

    // The clean run answers boxes as scripted; the settings after each command of every failing
    // run are held against its.
    RunOptions options = options_.Run;
    options.RecordSettings = true;
    watchdog.Begin("no host call failing");
    const Outcome clean = RunOnce(scenarioText, baseFolder, options);
    watchdog.End();
    if (clean.Status != ExitStatus::Held || !clean.Findings.Clean()) {
        out_ << clean.Transcript;
        Report(out_, "as it stands", clean.Findings);
        out_ << "sweep: the scenario does not hold as it stands; nothing swept\n";
        return clean.Status == ExitStatus::Error ? ExitStatus::Error : ExitStatus::Failed;
    }

    RunOptions failing = options;
    failing.KeepGoing = true;
    failing.IgnoreReports = options_.Answering == Answers::Ignore;
    failing.WatchHost = false;
    const std::int64_t calls = clean.Findings.HostCalls;
    const std::int64_t every =
        options_.Runs > 0 ? std::max<std::int64_t>(1, (calls + options_.Runs - 1) / options_.Runs)
                          : options_.Every;
    int runs = 0;
    int faulty = 0;
    int known = 0;
    for (std::int64_t n = 1; n <= calls; n += every) {
        // The failed call is the clean run's n-th: the runs are the same up to it.
        const auto& names = clean.Findings.CallNames;
        const std::string member = n <= static_cast<std::int64_t>(names.size())
                                       ? names[static_cast<std::size_t>(n - 1)]
                                       : "";
        const std::string label = "host call " + std::to_string(n) +
                                  (member.empty() ? "" : " (" + member + ")") + " failing";
        failing.FailCall = n;
        watchdog.Begin(label);
        const Outcome outcome = RunOnce(scenarioText, baseFolder, failing);
        watchdog.End();
        ++runs;
        const Verdict verdict = Judge(clean.Findings, outcome.Findings, member);
        const std::string where = label + " (parleywick-sim --fail-call " + std::to_string(n) + ")";
        if (!verdict.Counted.Clean() || !verdict.Settings.Findings.empty()) {
            ++faulty;
            Report(out_, where, verdict.Counted);
            for (const std::string& finding : verdict.Settings.Findings) {
                out_ << "sweep: " << where << ": settings " << finding << "\n";
            }
        }
        for (const std::string& finding : verdict.KnownHalfFiled) {
            ++known;
            out_ << "sweep: " << where << ": known fault: half-filed: " << finding << "\n";
        }
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    out_ << "sweep: " << calls << " host calls, " << runs << " runs"
         << (every > 1 ? " (every " + std::to_string(every) + "th call)" : "") << ", " << faulty
         << " faulty" << (known > 0 ? " (and " + std::to_string(known) + " known faults)" : "")
         << ", " << seconds << " s, " << AnswersText(options_.Answering) << "\n";
    return faulty == 0 ? ExitStatus::Held : ExitStatus::Failed;
}

}  // namespace pwk::scenario
