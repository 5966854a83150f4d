#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/tools/ScenarioOutcome.h"

// A real host's automation getters may hand back nothing where an object was asked for. Every
// getter the add-in calls through a day's use is made to do so, one at a time: the add-in must
// report "object not set" (91) through its error library, never crash, never let a failure
// reach the host, and still let go of every host object when the host quits.
namespace pwk::scenario {
namespace {

// The day: a tracked folderset, then a second start with explorers, inspectors of a contact,
// a mail and an appointment, a new mail sent, windows closed and the host quit.
constexpr const char* kSetUp =
    "start\n"
    "track \"Acme Public/Customers/Contacts\" \"Acme Public/Customers/Journal\" "
    "\"Acme Public/Customers/E-mails\"\n"
    "quit\n";
constexpr const char* kDay =
    "start\n"
    "explorer \"Acme Public/Customers/Contacts\"\n"
    "select \"Aiko Tanaka\"\n"
    "open \"Aiko Tanaka\"\n"
    "open 1 in=\"Mailbox - Pat Jones/Inbox\"\n"
    "open \"Quarterly review\" in=\"Mailbox - Pat Jones/Calendar\"\n"
    "compose mail to=aiko.tanaka@kestrel.example subject=\"Delivery next week\"\n"
    "send\n"
    "close inspector 1\n"
    "close explorer 1\n"
    "quit\n"
    "expect released\n";

// Getters whose nothing is an answer the add-in passes over rather than a failure: a window
// list entry that is nothing is no window to hook or watch, an inspector without an item gets
// no hook, a folder without an item list has nothing to watch, a folder the namespace cannot
// give is a folderset that cannot be found (dropped, with its warning), a search that finds
// nothing is a recipient who is no tracked contact, and the link a mail's Links.Add hands back
// is not used. The window hooks test what they get: an explorer without a folder, selection or
// selected item shows no buttons, a contact without a folder is no tracked contact, a folder
// whose parent cannot be told is not shown buttons (quietly, as its test fails), and a bar, menu
// or control the host does not give is looked up with failures ignored and simply skipped.
const std::set<std::string> kNothingIsAnAnswer = {
    "Explorers.Item",
    "Inspectors.Item",
    "Inspector.CurrentItem",
    "MAPIFolder.Items",
    "Items.Find",
    "NameSpace.GetFolderFromID",
    "Links.Add",
    "Explorer.CurrentFolder",
    "Explorer.Selection",
    "Selection.Item",
    "ContactItem.Parent",
    "MAPIFolder.Parent",
    "Explorer.CommandBars",
    "CommandBar.FindControl",
    "CommandBarControls.Item",
};

using test::Outcome;
using test::RunText;

// The members "show calls" marks as handing back an object.
std::vector<std::string> GettersCalled(const std::string& transcript) {
    std::vector<std::string> getters;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        const auto marker = line.find(" (object)");
        if (marker == std::string::npos) {
            continue;
        }
        const auto start = line.find_first_not_of(' ');
        const auto end = line.rfind(" x", marker);
        getters.push_back(line.substr(start, end - start));
    }
    return getters;
}

TEST(HostNothingSweep, EveryGetterThatHandsBackNothingIsReportedAs91AndNothingIsHeld) {
    const Outcome clean = RunText(std::string(test::kSettled) + kSetUp + kDay + "show calls\n");
    ASSERT_EQ(clean.Status, ExitStatus::Held) << clean.Transcript;
    const std::vector<std::string> getters = GettersCalled(clean.Transcript);
    ASSERT_GE(getters.size(), 8U) << clean.Transcript;

    for (const std::string& getter : getters) {
        SCOPED_TRACE(getter);
        const Outcome outcome = RunText(std::string(test::kSettled) + kSetUp + "nothing " + getter +
                                        "\n" + kDay + "show log\n");
        EXPECT_EQ(outcome.Status, ExitStatus::Held) << outcome.Transcript;
        const bool reported = outcome.Transcript.find("ERROR 91 in ") != std::string::npos;
        if (kNothingIsAnAnswer.contains(getter)) {
            EXPECT_FALSE(reported) << outcome.Transcript;
        } else {
            EXPECT_TRUE(reported) << outcome.Transcript;
        }
    }
}

}  // namespace
}  // namespace pwk::scenario
