// parleywick-sim: runs the add-in on the simulated host, from a scenario file or from commands
// typed at a prompt, and prints a transcript of what happens.

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "sim/WholeFile.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/ScenarioRun.h"
#include "tools/scenario/Sweep.h"

namespace {

// The most a scenario file may hold; the largest of the project's is a few kilobytes.
constexpr std::uintmax_t kMaxScenarioBytes = 16 * 1024 * 1024;

constexpr const char* kUsage =
    "usage: parleywick-sim [--mailbox FILE|demo] [--keep-going] [--fail-call N] [SCENARIO]\n"
    "       parleywick-sim [--mailbox FILE|demo] --sweep[=K] [--sweep-runs=N] [--sweep-ignore]\n"
    "                      SCENARIO\n"
    "  Runs SCENARIO (one command a line; see docs/scenario-commands.md) on the simulated\n"
    "  host, or reads commands at a prompt when no scenario is given. --fail-call N fails\n"
    "  the N-th host call of the run. --sweep runs SCENARIO once per host call (every K-th)\n"
    "  with that call failed and reports any failure reaching the host or anything held;\n"
    "  --sweep-runs=N spreads about N such runs evenly over the scenario's host calls;\n"
    "  --sweep-ignore answers every error report the scenario does not answer with Ignore.\n"
    "  Exit status: 0 every check held, 1 a check failed, 2 the scenario could not run.\n"
#ifdef _WIN32
    "  --com (Windows): the host loads the installed component through COM instead of\n"
    "  running the core in this process; it uses the registry settings and real boxes.\n"
#endif
    ;

struct Arguments {
    pwk::scenario::RunOptions Options;
    std::string Scenario;
    std::optional<std::int64_t> SweepEvery;
    std::int64_t SweepRuns = 0;
    pwk::scenario::Sweep::Answers SweepAnswers = pwk::scenario::Sweep::Answers::AsScripted;
};

// A count of 1 or more, or nothing.
std::optional<std::int64_t> Count(const std::string& text) {
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        if (used == text.size() && value >= 1) {
            return value;
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// Returns false (after saying why) for arguments it does not understand.
bool Parse(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--keep-going") {
            arguments.Options.KeepGoing = true;
        } else if (argument == "--mailbox" && i + 1 < argc) {
            arguments.Options.Mailbox = argv[++i];
        } else if (argument.rfind("--mailbox=", 0) == 0) {
            arguments.Options.Mailbox = argument.substr(10);
        } else if (argument == "--fail-call" && i + 1 < argc && Count(argv[i + 1])) {
            arguments.Options.FailCall = Count(argv[++i]);
#ifdef _WIN32
        } else if (argument == "--com") {
            arguments.Options.External = pwk::scenario::ComponentThroughCom;
#endif
        } else if (argument == "--sweep") {
            arguments.SweepEvery = 1;
        } else if (argument.rfind("--sweep=", 0) == 0 && Count(argument.substr(8))) {
            arguments.SweepEvery = Count(argument.substr(8));
        } else if (argument.rfind("--sweep-runs=", 0) == 0 && Count(argument.substr(13))) {
            arguments.SweepEvery = arguments.SweepEvery.value_or(1);
            arguments.SweepRuns = *Count(argument.substr(13));
        } else if (argument == "--sweep-ignore") {
            arguments.SweepEvery = arguments.SweepEvery.value_or(1);
            arguments.SweepAnswers = pwk::scenario::Sweep::Answers::Ignore;
        } else if (argument.rfind("-", 0) == 0 || !arguments.Scenario.empty()) {
            std::cerr << "parleywick-sim: unexpected argument \"" << argument << "\"\n" << kUsage;
            return false;
        } else {
            arguments.Scenario = argument;
        }
    }
    if (arguments.SweepEvery && arguments.Scenario.empty()) {
        std::cerr << "parleywick-sim: --sweep needs a scenario file\n" << kUsage;
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    Arguments arguments;
    if (!Parse(argc, argv, arguments)) {
        return pwk::scenario::ExitStatus::Error;
    }
    pwk::scenario::ScenarioRun run(std::cout, arguments.Options);
    if (arguments.Scenario.empty()) {
#ifdef _WIN32
        const bool typed = _isatty(_fileno(stdin)) != 0;
#else
        const bool typed = isatty(STDIN_FILENO) != 0;
#endif
        return run.RunInteractive(std::cin, typed);
    }
    std::string text;
    try {
        text = pwk::sim::WholeFile("scenario file", kMaxScenarioBytes).Read(arguments.Scenario);
    } catch (const pwk::sim::WholeFile::Refused& refused) {
        std::cerr << "parleywick-sim: cannot read the scenario: " << refused.what() << "\n";
        return pwk::scenario::ExitStatus::Error;
    }
    const std::filesystem::path base = std::filesystem::absolute(arguments.Scenario).parent_path();
    if (arguments.SweepEvery) {
        pwk::scenario::Sweep::Options options{arguments.Options, *arguments.SweepEvery,
                                              arguments.SweepRuns};
        options.Answering = arguments.SweepAnswers;
        pwk::scenario::Sweep sweep(std::cout, options);
        return sweep.Run(text, base);
    }
    std::istringstream file(text);
    return run.RunScenario(file, base);
}
