#include <gtest/gtest.h>

#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimItemState.h"
#include "src/host/CommandBar.h"
#include "src/host/CommandBarControl.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBars.h"
#include "tests/tools/ScenarioDemoHost.h"
#include "tools/scenario/HostWatch.h"

namespace pwk::scenario {
namespace {

class ScenarioHostWatchTest : public test::ScenarioDemoHost {
  protected:
    ScenarioHostWatchTest() { watch.Baseline(host); }

    std::string Report() {
        watch.Report(host, transcript);
        return Written();
    }

    std::shared_ptr<host::CommandBarControl> AddButton(
        const std::shared_ptr<sim::SimExplorer>& explorer, const std::string& caption) {
        auto button = explorer->GetCommandBars()
                          ->Item("Standard")
                          ->Controls()
                          ->Add(host::ControlType::Button, std::nullopt, "", {}, true);
        button->SetCaption(caption);
        return button;
    }

    HostWatch watch;
};

TEST_F(ScenarioHostWatchTest, TheLoadedMailboxIsNoNewsButEveryChangeAfterItIs) {
    EXPECT_EQ(Report(), "");
    host.PutItem("Acme Public/Customers/Journal", host::ItemType::Journal,
                 {{"Subject", "Delivery call"}, {"Type", "Phone Call"}});
    EXPECT_EQ(Report(),
              "    + JournalItem \"Delivery call\" (Type Phone Call) in "
              "\"Acme Public/Customers/Journal\"\n");
}

TEST_F(ScenarioHostWatchTest, ItemsThatGainLinksMoveOrLeaveAreToldOnce) {
    const auto entry = host.PutItem("Acme Public/Customers/Journal", host::ItemType::Journal,
                                    {{"Subject", "Visit"}});
    const auto contact = host.Folder("Acme Public/Customers/Contacts")->Contents()[2].get();
    Report();

    host.AddLink(entry->AsItem(), contact->AsItem());
    EXPECT_EQ(
        Report(),
        "    ~ JournalItem \"Visit\" (links Aiko Tanaka) in \"Acme Public/Customers/Journal\", "
        "was JournalItem \"Visit\"\n");

    entry->MoveNow(host.Folder("Acme Public/Suppliers/Journal"));
    EXPECT_EQ(Report(),
              "    > JournalItem \"Visit\" (links Aiko Tanaka) moves from "
              "\"Acme Public/Customers/Journal\" to \"Acme Public/Suppliers/Journal\"\n");

    entry->DeleteNow();
    const std::string deleted = Report();
    EXPECT_TRUE(Wrote("- JournalItem \"Visit\" (links Aiko Tanaka) leaves", deleted)) << deleted;
    EXPECT_EQ(Report(), "");
}

TEST_F(ScenarioHostWatchTest, ControlsAddedChangedAndRemovedOnAnOpenWindowAreTold) {
    const auto explorer = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    // A new window's own controls are the host's and are not listed one by one.
    EXPECT_EQ(Report(), "    explorer #1 opens on \"Mailbox - Pat Jones/Inbox\"\n");

    const auto button = AddButton(explorer, "Phone Call");
    button->SetTag("PWK 1");
    EXPECT_EQ(Report(),
              "    + button \"Phone Call\" (shown, enabled, temporary, tag \"PWK 1\") on Standard "
              "bar of explorer #1\n");

    button->SetEnabled(false);
    button->SetTooltipText("Select one contact");
    EXPECT_EQ(Report(),
              "    ~ button \"Phone Call\" (shown, disabled, temporary, tag \"PWK 1\", tooltip "
              "\"Select one contact\") on Standard bar of explorer #1, was button \"Phone Call\" "
              "(shown, enabled, temporary, tag \"PWK 1\")\n");

    button->Delete();
    const std::string removed = Report();
    EXPECT_TRUE(Wrote("- button \"Phone Call\"", removed)) << removed;
    EXPECT_TRUE(Wrote("removed from Standard bar of explorer #1", removed)) << removed;
}

TEST_F(ScenarioHostWatchTest, TheControlsOfAClosingWindowGoWithItSilently) {
    const auto explorer = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    host.OpenExplorer("Acme Public/Customers/Contacts");
    AddButton(explorer, "Note");
    Report();
    host.Close(explorer);
    EXPECT_EQ(Report(), "    explorer #1 closes\n");
}

TEST_F(ScenarioHostWatchTest, WindowsKeepTheirNumbersAndNewOnesCountOn) {
    const auto first = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    Report();
    const auto second = host.OpenExplorer("Mailbox - Pat Jones/Calendar");
    Report();
    host.Close(first);
    EXPECT_EQ(Report(), "    explorer #1 closes\n");
    host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    EXPECT_EQ(Report(), "    explorer #3 opens on \"Mailbox - Pat Jones/Inbox\"\n");
    EXPECT_EQ(watch.Label(*second), "explorer #2");
    host.SwitchFolder(second, "Mailbox - Pat Jones/Contacts");
    EXPECT_EQ(Report(), "    explorer #2 now on \"Mailbox - Pat Jones/Contacts\"\n");
}

TEST_F(ScenarioHostWatchTest, ItemsShownInANewInspectorAreToldWithTheWindow) {
    const auto mail = host.Folder("Mailbox - Pat Jones/Inbox")->Contents()[0].get();
    host.OpenItem(mail->AsItem());
    EXPECT_EQ(Report(), "    inspector #1 opens showing MailItem \"Order 4471 delivered\"\n");
    // Shown again while its inspector is open: the display is news of its own.
    host.OpenItem(mail->AsItem());
    EXPECT_EQ(Report(),
              "    shown: MailItem \"Order 4471 delivered\" (to pat.jones@acme.example)\n");
}

}  // namespace
}  // namespace pwk::scenario
