#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "src/tracking/SettingsLayout.h"
#include "tests/support/TempFolder.h"
#include "tests/tools/ScenarioOutcome.h"
#include "tools/scenario/ScenarioRun.h"

namespace pwk::scenario {
namespace {

using test::kSettled;
using test::Outcome;
using test::RunText;

Outcome RunTyped(const std::string& text) {
    std::ostringstream out;
    std::istringstream in(text);
    Outcome outcome;
    outcome.Status = ScenarioRun(out, RunOptions{}).RunInteractive(in, false);
    outcome.Transcript = out.str();
    return outcome;
}

// A line that cannot run ends the run with its line number, and nothing after it runs.
TEST(ScenarioErrors, ABadLineEndsTheRunWithItsNumberAndNothingAfterItRuns) {
    const std::string settled = kSettled;
    const struct {
        std::string Text, Says, NeverRuns;
    } cases[] = {
        // Malformed: found before anything runs.
        {"mailbox demo\nstart\nexpect hooks x 0\nquit\n",
         "error: line 3: expect hooks: EXPLORERS must be a whole number", "starts"},
        {settled + "start\nexplorer \"Acme Public/Nowhere\"\nquit\n",
         "error: line 7: There is no folder \"Acme Public/Nowhere\".", "8> quit"},
        {settled + "start\nopen \"Nobody Known\" in=\"Acme Public/Customers/Contacts\"\nquit\n",
         "error: line 7: there is no item \"Nobody Known\" in \"Acme Public/Customers/Contacts\"",
         "8> quit"},
        {settled + "start\nopen 9 in=\"Mailbox - Pat Jones/Inbox\"\nquit\n",
         "error: line 7: \"Mailbox - Pat Jones/Inbox\" holds 3 items; there is no item 9",
         "8> quit"},
        {settled + "start\nclick \"Send Fax\"\nquit\n",
         "error: line 7: explorer #1 has no control \"Send Fax\"", "8> quit"},
        // The first box of a first start is the welcome box: OK and Help only.
        {"mailbox demo\nanswer Yes\nstart\nexpect hooks 1 0\n",
         "error: line 2: the answer Yes met the box \"Welcome\", which has no such button ([OK] "
         "Help)",
         "4> expect"},
        {settled + "start\nexpect item \"Mailbox - Pat Jones/Inbox\" 1 Colour=red\nquit\n",
         "error: line 7: MailItem \"Order 4471 delivered\" has no field Colour", "8> quit"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Text);
        const Outcome outcome = RunText(row.Text);
        EXPECT_EQ(outcome.Status, ExitStatus::Error);
        EXPECT_TRUE(outcome.Says(row.Says)) << outcome.Transcript;
        EXPECT_FALSE(outcome.Says(row.NeverRuns)) << outcome.Transcript;
    }
}

TEST(ScenarioErrors, ABadMailboxFileIsReportedWhereItIsNamed) {
    pwk::test::TempFolder folder;
    std::ofstream(folder / "broken.json") << R"({"stores": [{"name": "A", "folders": 3}]})";
    const Outcome outcome = RunText("# broken\nmailbox broken.json\nstart\n", {}, folder.Path());
    EXPECT_EQ(outcome.Status, ExitStatus::Error);
    EXPECT_TRUE(outcome.Says("error: line 2: bad mailbox file: ")) << outcome.Transcript;
    EXPECT_TRUE(outcome.Says("broken.json")) << outcome.Transcript;
    EXPECT_FALSE(outcome.Says("starts")) << outcome.Transcript;

    std::ofstream(folder / "half.json") << R"({"stores": [)";
    EXPECT_TRUE(RunText("mailbox half.json\n", {}, folder.Path())
                    .Says("error: line 1: bad mailbox file: "));

    const Outcome missing = RunText("mailbox absent.json\n", {}, folder.Path());
    EXPECT_EQ(missing.Status, ExitStatus::Error);
    EXPECT_TRUE(missing.Says("error: line 1: the mailbox file \"" + (folder / "absent.json") +
                             "\" does not exist"))
        << missing.Transcript;

    // Named by the option, before the first line.
    RunOptions options;
    options.Mailbox = "/nonexistent/mailbox.json";
    EXPECT_TRUE(RunText("start\n", options)
                    .Says("error: --mailbox: the mailbox file \"/nonexistent/mailbox.json\" "
                          "does not exist"));
}

// The first failed check stops the run with what was expected and found; with keep-going every
// failed check is reported and the run goes on.
TEST(ScenarioChecks, TheFirstFailedCheckStopsTheRunUnlessKeepGoingReportsThemAll) {
    const std::string text =
        std::string(kSettled) + "start\nexpect hooks 2 0\nexpect hooks 3 0\nexpect hooks 1 0\n";
    const Outcome outcome = RunText(text);
    EXPECT_EQ(outcome.Status, ExitStatus::Failed);
    EXPECT_TRUE(
        outcome.Says("FAILED at line 7: expect hooks 2 0\n"
                     "      expected: 2 explorers and 0 inspectors hooked\n"
                     "      found:    1 and 0\n"))
        << outcome.Transcript;
    EXPECT_FALSE(outcome.Says("8> expect hooks 3 0")) << outcome.Transcript;

    RunOptions options;
    options.KeepGoing = true;
    const Outcome all = RunText(text, options);
    EXPECT_EQ(all.Status, ExitStatus::Failed);
    EXPECT_TRUE(all.Says("FAILED at line 8")) << all.Transcript;
    EXPECT_FALSE(all.Says("FAILED at line 9")) << all.Transcript;
    EXPECT_TRUE(all.Says("== FAILED: 2 failure(s), 3 checks run")) << all.Transcript;
}

TEST(ScenarioChecks, BoxesAreCheckedInTheOrderTheLastActionShowedThem) {
    const Outcome inOrder = RunText(
        "mailbox demo\nstart\nexpect box Welcome\nexpect box \"Backup Error Log?\"\n"
        "expect no-box\n");
    EXPECT_EQ(inOrder.Status, ExitStatus::Held) << inOrder.Transcript;

    const Outcome leftOver = RunText("mailbox demo\nstart\nexpect box Welcome\nexpect no-box\n");
    EXPECT_EQ(leftOver.Status, ExitStatus::Failed);
    EXPECT_TRUE(leftOver.Says("found:    1 more, the first titled \"Backup Error Log?\""))
        << leftOver.Transcript;

    // The next action starts afresh: the start's boxes are gone.
    const Outcome nextAction = RunText(
        "mailbox demo\nstart\nexplorer \"Acme Public/Customers/Contacts\"\nexpect no-box\n");
    EXPECT_EQ(nextAction.Status, ExitStatus::Held) << nextAction.Transcript;
}

TEST(ScenarioChecks, ABoxTextMustHoldEveryGivenPart) {
    const Outcome outcome =
        RunText("mailbox demo\nstart\nexpect box Welcome \"Welcome to Parleywick!\" \"Goodbye\"\n");
    EXPECT_EQ(outcome.Status, ExitStatus::Failed);
    EXPECT_TRUE(outcome.Says("found:    the box \"Welcome\": \"Welcome to Parleywick!//This is"))
        << outcome.Transcript;
}

TEST(ScenarioSessions, ASettingsFileCarriesTheSettingsToTheNextRun) {
    pwk::test::TempFolder folder;
    const std::string first = "settings settings.db\nmailbox demo\nstart\nexpect box Welcome\n";
    const Outcome one = RunText(first, {}, folder.Path());
    EXPECT_EQ(one.Status, ExitStatus::Held) << one.Transcript;
    EXPECT_TRUE(std::filesystem::exists(folder / "settings.db"));

    const Outcome two = RunText(
        "settings settings.db\nmailbox demo\nstart\nexpect no-box\nexpect setting Version Revision "
        "158\n",
        {}, folder.Path());
    EXPECT_EQ(two.Status, ExitStatus::Held) << two.Transcript;
}

TEST(ScenarioSessions, ASettingsFileThatIsNoSettingsStoreIsRefusedAtItsLine) {
    pwk::test::TempFolder folder;
    std::ofstream(folder / "notes.db") << "shopping list";
    const Outcome outcome = RunText("mailbox demo\nsettings notes.db\nstart\n", {}, folder.Path());
    EXPECT_EQ(outcome.Status, ExitStatus::Error);
    EXPECT_TRUE(outcome.Says("error: line 2: the settings file cannot be used: "))
        << outcome.Transcript;
    std::ifstream kept(folder / "notes.db");
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "shopping list");
}

TEST(ScenarioSessions, TheSettingsStoreCannotChangeWhileTheHostRuns) {
    const Outcome outcome = RunText("mailbox demo\nstart\nsettings memory\n");
    EXPECT_EQ(outcome.Status, ExitStatus::Error);
    EXPECT_TRUE(outcome.Says("error: line 3: the settings store cannot change while the host runs"))
        << outcome.Transcript;
}

TEST(ScenarioSessions, AHostLeftRunningQuitsAtTheEndAndLetsEverythingGo) {
    const Outcome outcome = RunText(std::string(kSettled) +
                                    "start\nopen \"Aiko Tanaka\" "
                                    "in=\"Acme Public/Customers/Contacts\"\n");
    EXPECT_EQ(outcome.Status, ExitStatus::Held);
    EXPECT_TRUE(outcome.Says("end of the scenario: the host quits")) << outcome.Transcript;
    EXPECT_TRUE(outcome.Says("add-in: let go by the host")) << outcome.Transcript;
}

TEST(ScenarioSessions, IgnoringReportsAnswersOnlyTheUnscriptedErrorDialogsIgnore) {
    const std::string text =
        std::string(kSettled) + "fail NameSpace.GetDefaultFolder times=2\nanswer Abort\nstart\n";
    RunOptions options;
    options.IgnoreReports = true;
    const Outcome ignoring = RunText(text, options);
    const auto first = ignoring.Transcript.find("  -> Abort\n");
    ASSERT_NE(first, std::string::npos) << ignoring.Transcript;
    EXPECT_NE(ignoring.Transcript.find("  -> Ignore\n", first), std::string::npos)
        << ignoring.Transcript;
    EXPECT_FALSE(RunText(text).Says("-> Ignore"));
}

// The options page's switches are the layout's: each is turned by the name the layout gives it
// and saved under its key, and an unknown name is refused with the layout's list.
TEST(ScenarioOptions, EverySwitchTheLayoutNamesIsTurnedByThatNameAndSaved) {
    std::string listed;
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (!entry.IsSwitch()) {
            continue;
        }
        const std::string name = entry.PropertyName();
        listed += (listed.empty() ? "" : ", ") + name;
        const std::string stored =
            std::string("expect setting ") + entry.Section + " " + entry.Key + " ";
        const Outcome outcome =
            RunText(std::string(kSettled) + "start\noption " + name + " off\n" + stored +
                    "False\noption " + name + " on\n" + stored + "True\nquit\n");
        EXPECT_EQ(outcome.Status, ExitStatus::Held) << outcome.Transcript;
        EXPECT_TRUE(outcome.Says("the user switches " + name + " on on the options page"))
            << outcome.Transcript;
    }
    EXPECT_EQ(listed,
              "TrackUnlinkedEmail, JournalEmails, SaveLinksByRef, TrackAppointments, "
              "UseSentMailFolder");

    const Outcome refused = RunText(std::string(kSettled) + "start\noption FirstRun on\n");
    EXPECT_EQ(refused.Status, ExitStatus::Error);
    EXPECT_TRUE(refused.Says("there is no option \"FirstRun\" (" + listed + ")"))
        << refused.Transcript;
}

// At the prompt a bad line is reported and the next one runs; a failed check still gives the
// failed status.
TEST(ScenarioPrompt, ABadLineIsReportedAndTheNextOneRuns) {
    const Outcome outcome =
        RunTyped("mailbox demo\nbogus\nstart\nexplorer Nowhere\nexpect hooks 1 0\n");
    EXPECT_EQ(outcome.Status, ExitStatus::Error);
    EXPECT_TRUE(outcome.Says("error: line 2: unknown command \"bogus\"")) << outcome.Transcript;
    EXPECT_TRUE(outcome.Says("error: line 4: There is no folder \"Nowhere\"."))
        << outcome.Transcript;
    EXPECT_TRUE(outcome.Says("== all 1 checks held")) << outcome.Transcript;

    const Outcome failed = RunTyped("mailbox demo\nstart\nexpect hooks 0 0\nexpect hooks 1 0\n");
    EXPECT_EQ(failed.Status, ExitStatus::Failed);
    EXPECT_TRUE(failed.Says("FAILED at line 3")) << failed.Transcript;
    EXPECT_TRUE(failed.Says("4> expect hooks 1 0")) << failed.Transcript;
}

}  // namespace
}  // namespace pwk::scenario
