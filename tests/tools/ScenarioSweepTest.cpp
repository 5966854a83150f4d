#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/tools/ScenarioOutcome.h"
#include "tools/scenario/Sweep.h"

// The sweep counts host calls across every start of a run and fails the chosen one, wherever
// it falls and whatever the scenario clears; it judges runs by what no run may show.
namespace pwk::scenario {
namespace {

using test::kSettled;
using test::Outcome;
using test::RunText;

// Two host processes; the second clears the scenario's planned failures and then opens an
// explorer, which the add-in hooks.
const std::string kTwoStarts = std::string(kSettled) +
                               "start\nquit\n"
                               "start\nfail-clear\nexplorer \"Acme Public/Customers/Contacts\"\n"
                               "quit\nexpect released\n";
const std::string kOneFailed = kTwoStarts + "expect failed-calls 1\n";

TEST(ScenarioSweep, TheFailingCallIsCountedAcrossStartsAndOutlivesTheScenariosFailClear) {
    const Outcome firstOnly = RunText(std::string(kSettled) + "start\nquit\n");
    const Outcome clean = RunText(kTwoStarts);
    EXPECT_EQ(clean.Status, ExitStatus::Held) << clean.Transcript;
    ASSERT_GT(firstOnly.Findings.HostCalls, 0);
    ASSERT_GT(clean.Findings.HostCalls, firstOnly.Findings.HostCalls);
    EXPECT_TRUE(clean.Findings.Clean());

    // The last call of the run falls in the second process, after its fail-clear.
    RunOptions last;
    last.FailCall = clean.Findings.HostCalls;
    const Outcome failingLast = RunText(kOneFailed, last);
    EXPECT_EQ(failingLast.Status, ExitStatus::Held) << failingLast.Transcript;
    EXPECT_TRUE(failingLast.Findings.Clean()) << failingLast.Transcript;

    // The last call of the first process fails there, not in the second.
    RunOptions firstProcess;
    firstProcess.FailCall = firstOnly.Findings.HostCalls;
    const Outcome failingFirst = RunText(kOneFailed, firstProcess);
    EXPECT_EQ(failingFirst.Status, ExitStatus::Failed) << failingFirst.Transcript;
    EXPECT_NE(failingFirst.Transcript.find("found:    0"), std::string::npos)
        << failingFirst.Transcript;
}

TEST(ScenarioSweep, RunsEveryKthCallAndRefusesAScenarioThatFailsAsItStands) {
    const std::int64_t calls = RunText(kTwoStarts).Findings.HostCalls;
    std::ostringstream out;
    EXPECT_EQ(Sweep(out, {RunOptions{}, 10}).Run(kTwoStarts, "."), ExitStatus::Held) << out.str();
    const std::string summary = std::to_string(calls) + " host calls, " +
                                std::to_string((calls + 9) / 10) +
                                " runs (every 10th call), 0 faulty";
    EXPECT_NE(out.str().find(summary), std::string::npos) << out.str();

    // A number of runs spreads them evenly: the stride is the calls divided by it, rounded up.
    std::ostringstream spread;
    Sweep::Options fewRuns{RunOptions{}, 1};
    fewRuns.Runs = 4;
    EXPECT_EQ(Sweep(spread, fewRuns).Run(kTwoStarts, "."), ExitStatus::Held) << spread.str();
    const std::int64_t stride = (calls + 3) / 4;
    EXPECT_NE(spread.str().find(std::to_string((calls + stride - 1) / stride) + " runs (every " +
                                std::to_string(stride) + "th call)"),
              std::string::npos)
        << spread.str();

    std::ostringstream broken;
    EXPECT_EQ(Sweep(broken, {RunOptions{}, 10}).Run(kTwoStarts + "expect hooks 5 5\n", "."),
              ExitStatus::Failed);
    EXPECT_NE(broken.str().find("does not hold as it stands"), std::string::npos) << broken.str();
}

}  // namespace
}  // namespace pwk::scenario
