// The fixed orders in which the add-in lets go of the host, as the host's reference audit
// sees them when the add-in is switched off with windows open.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/AddinHarness.h"

namespace pwk {
namespace {

using sim::Release;

TEST(ReleaseOrder, HooksLastToFirstThenTheApplicationObjectsReferencesThenQuitThenConnects) {
    test::AddinHarness harness;
    harness.StoreSavedSettings(ComponentVersion);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.host.OpenExplorer("Mailbox/Calendar");
    harness.host.ComposeMail("first draft");
    harness.host.ComposeMail("second draft");
    harness.Start();
    harness.host.TakeReleases();

    harness.host.UnloadAddIn(ConnectProgID);
    const std::vector<Release> releases = harness.host.TakeReleases();
    std::vector<std::string> events;
    for (const Release& release : releases) {
        if (release.What == Release::Kind::Events) {
            events.push_back(release.Type + " " + release.Name);
        }
    }
    // The hooks, last to first, each explorer's window before its buttons (last to first);
    // then the application object's own subscriptions, all before its Quit lets Connect drop
    // the watched explorer.
    const std::vector<std::string> buttons = {
        "CommandBarButton Log",   "CommandBarButton Appointment",
        "CommandBarButton Note",  "CommandBarButton File Link",
        "CommandBarButton Email", "CommandBarButton Phone Call"};
    std::vector<std::string> expected{"Explorer Mailbox/Calendar"};
    expected.insert(expected.end(), buttons.begin(), buttons.end());
    expected.push_back("Explorer Mailbox/Inbox");
    expected.insert(expected.end(), buttons.begin(), buttons.end());
    expected.insert(expected.end(),
                    {"Inspector second draft", "Inspector first draft", "Items Mailbox/Sent Items",
                     "Explorers ", "Inspectors ", "Application Outlook", "Explorer Mailbox/Inbox"});
    EXPECT_EQ(events, expected);
    // Connect drops the host's Application only after the watched explorer.
    const auto afterWatch =
        std::find_if(releases.rbegin(), releases.rend(), [](const Release& release) {
            return release.What == Release::Kind::Events;
        }).base();
    const Release application{Release::Kind::References, "Application", "Outlook"};
    EXPECT_TRUE(std::find(afterWatch, releases.end(), application) != releases.end())
        << "the Application was let go before the watched explorer";
    EXPECT_TRUE(harness.host.HeldObjects().empty());
}

}  // namespace
}  // namespace pwk
