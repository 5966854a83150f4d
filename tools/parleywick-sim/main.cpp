// parleywick-sim: runs the add-in on the simulated host, from a scenario file or from commands
// typed at a prompt, and prints a transcript of what happens.

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <string>

#include "tools/scenario/ScenarioRun.h"

namespace {

constexpr const char* kUsage =
    "usage: parleywick-sim [--mailbox FILE|demo] [--keep-going] [SCENARIO]\n"
    "  Runs SCENARIO (one command a line; see docs/scenario-commands.md) on the simulated\n"
    "  host, or reads commands at a prompt when no scenario is given.\n"
    "  Exit status: 0 every check held, 1 a check failed, 2 the scenario could not run.\n";

struct Arguments {
    pwk::scenario::RunOptions Options;
    std::string Scenario;
};

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
        } else if (argument.rfind("-", 0) == 0 || !arguments.Scenario.empty()) {
            std::cerr << "parleywick-sim: unexpected argument \"" << argument << "\"\n" << kUsage;
            return false;
        } else {
            arguments.Scenario = argument;
        }
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
        return run.RunInteractive(std::cin, isatty(STDIN_FILENO) != 0);
    }
    std::ifstream file(arguments.Scenario);
    if (!file) {
        std::cerr << "parleywick-sim: cannot read the scenario \"" << arguments.Scenario << "\"\n";
        return pwk::scenario::ExitStatus::Error;
    }
    const std::filesystem::path base = std::filesystem::absolute(arguments.Scenario).parent_path();
    return run.RunScenario(file, base);
}
