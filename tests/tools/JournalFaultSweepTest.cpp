// Every host call the journal's event handlers make fails once, in turn: a send filed in the
// send itself (unlinked and linked mail), a mail filed as it lands in Sent Items, and the
// options page joining the options dialog. Whatever fails, no failure reaches the host and
// nothing of the host is held after quit.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "tools/scenario/ScenarioRun.h"

namespace pwk::scenario {
namespace {

constexpr const char* kSettled =
    "mailbox demo\n"
    "setting Tracking FirstRun False\n"
    "setting Version Major 2\n"
    "setting Version Minor 1\n"
    "setting Version Revision 158\n"
    "setting Tracking JournalEmails True\n";

constexpr const char* kTrackBoth =
    "start\n"
    "track \"Acme Public/Customers/Contacts\" \"Acme Public/Customers/Journal\" "
    "\"Acme Public/Customers/E-mails\"\n"
    "track \"Acme Public/Suppliers/Contacts\" \"Acme Public/Suppliers/Journal\" "
    "\"Acme Public/Suppliers/E-mails\"\n";

struct Path {
    const char* name;
    std::string prefix;  // up to the action
    const char* action;
};

struct Run {
    int status;
    std::string transcript;
};

Run RunScript(const std::string& text) {
    std::ostringstream out;
    std::istringstream in(text);
    const int status =
        ScenarioRun(out, RunOptions{}).RunScenario(in, std::filesystem::current_path());
    return {status, out.str()};
}

// Fails the first, second, ... host call from the start of the action until the action makes
// no more; returns how many runs that took.
int Sweep(const Path& path) {
    int runs = 0;
    for (int n = 1; n < 5000; ++n) {
        const std::string script = path.prefix + "fail-call " + std::to_string(n) + "\n" +
                                   path.action + "\nfail-clear\nexpect failed-calls 1\nquit\n" +
                                   "expect released\n";
        const Run run = RunScript(script);
        ++runs;
        if (run.status != ExitStatus::Held &&
            run.transcript.find("planned failures raised") != std::string::npos &&
            run.transcript.find("found:    0") != std::string::npos) {
            return runs - 1;  // the action makes fewer than n calls: the sweep is complete
        }
        EXPECT_EQ(run.status, ExitStatus::Held) << path.name << ", host call " << n << " failing:\n"
                                                << run.transcript;
        if (run.status != ExitStatus::Held) {
            return runs;
        }
    }
    ADD_FAILURE() << path.name << ": the sweep did not end";
    return runs;
}

TEST(JournalFaultSweep, NoFailureOfAnyHostCallReachesTheHostOrLeavesAnythingHeld) {
    const std::string sendPath =
        std::string(kSettled) + "setting Tracking UseSentMailFolder False\n";
    const Path paths[] = {
        {"unlinked mail filed in the send",
         sendPath + kTrackBoth +
             "compose mail to=aiko.tanaka@kestrel.example,grace.lee@tidewell.example "
             "cc=nobody@nowhere.example subject=Sweep\n",
         "send"},
        {"linked mail filed in the send",
         sendPath + kTrackBoth +
             "compose mail to=tom.becker@brightwater.example subject=Sweep\n"
             "link \"Aiko Tanaka\"\nlink \"Sam Patel\"\n",
         "send"},
        {"mail filed as it lands in Sent Items",
         std::string(kSettled) + "setting Tracking SaveLinksByRef True\n" + kTrackBoth +
             "compose mail to=aiko.tanaka@kestrel.example subject=Sweep\n",
         "send"},
        {"the options page", std::string(kSettled) + "start\n", "options"},
    };
    int total = 0;
    for (const Path& path : paths) {
        const int calls = Sweep(path);
        EXPECT_GE(calls, 1) << path.name;
        total += calls;
        std::cout << "[ sweep    ] " << path.name << ": " << calls
                  << " host calls failed in turn\n";
    }
    std::cout << "[ sweep    ] " << total << " runs in all\n";
}

}  // namespace
}  // namespace pwk::scenario
