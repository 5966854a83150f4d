// A whole life of the add-in on the simulated host: connection, hooking, settings changes,
// window hand-over and quit.
#include <gtest/gtest.h>

#include "sim/SimExplorer.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "src/platform/MessageBoxStyle.h"
#include "src/util/Ref.h"
#include "tests/support/AddinHarness.h"

namespace pwk {
namespace {

using Keys = std::vector<std::string>;

class AddinLife : public ::testing::Test {
  protected:
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& box : harness.platform.MessageBoxes()) {
            titles.push_back(box.Title);
        }
        return titles;
    }
    std::shared_ptr<host::Item> PutContact(const std::string& folder, const std::string& name) {
        return harness.host.PutItem(folder, host::ItemType::Contact, {{"FullName", name}})
            ->AsItem();
    }

    test::AddinHarness harness;
};

TEST_F(AddinLife, FirstStartHooksWindowsThenWelcomesThenOffersTheBackup) {
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();

    auto app = harness.App();
    ASSERT_TRUE(app);
    EXPECT_TRUE(harness.component.AddinIsRunning());
    EXPECT_EQ(app->HookedExplorerKeys(), Keys{"1"});
    EXPECT_TRUE(app->HasSentItemsHook());
    ASSERT_EQ(Titles(), (std::vector<std::string>{"Welcome", "Backup Error Log?"}));
    const auto& welcome = harness.platform.MessageBoxes()[0];
    EXPECT_EQ(welcome.Style, MsgBoxStyle::Information | MsgBoxStyle::MsgBoxHelpButton);
    EXPECT_EQ(welcome.HelpFile, "Parleywick.hlp");
    EXPECT_EQ(welcome.HelpContext, 210);
    EXPECT_EQ(welcome.Text.substr(0, 26), "Welcome to Parleywick!\r\n\r\n");
    // The save made while reading records that the first run is over, for this version.
    EXPECT_EQ(harness.store->GetSetting("Parleywick", "Tracking", "FirstRun"), "False");
    EXPECT_EQ(harness.store->GetSetting("Parleywick", "Version", "Revision"), "158");
    EXPECT_EQ(harness.component.OutlookVersion, "9.0.0.3821");
    EXPECT_EQ(harness.ConnectObject()->WatchedExplorer(),
              harness.host.Application()->GetExplorers()->Item(1));
}

TEST_F(AddinLife, RestartShowsNothingAndAnUpgradeOnlyTheBackupQuestion) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.Start();
    EXPECT_TRUE(harness.platform.MessageBoxes().empty());

    test::AddinHarness upgraded;
    upgraded.StoreSavedSettings({2, 0, 300});
    upgraded.Start();
    ASSERT_EQ(upgraded.platform.MessageBoxes().size(), 1u);
    EXPECT_EQ(upgraded.platform.MessageBoxes()[0].Title, "Backup Error Log?");
}

TEST_F(AddinLife, ExplorerKeysAreNeverReused) {
    harness.StoreSavedSettings(ComponentVersion);
    auto a = harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.host.Close(a);
    harness.host.OpenExplorer("Mailbox/Contacts");
    EXPECT_EQ(harness.App()->HookedExplorerKeys(), (Keys{"2", "3"}));
}

TEST_F(AddinLife, OnlyContactMailAndAppointmentInspectorsAreHooked) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    auto app = harness.App();

    harness.host.OpenItem(PutContact("Mailbox/Contacts", "Ann Archer"));
    harness.host.ComposeMail("hello");
    harness.host.ComposeAppointment("meeting");
    EXPECT_EQ(app->HookedInspectorKeys(), (Keys{"1", "2", "3"}));

    harness.host.OpenItem(
        harness.host.PutItem("Mailbox/Tasks", host::ItemType::Task, {})->AsItem());
    harness.host.OpenItem(
        harness.host.PutItem("Mailbox/Notes", host::ItemType::Note, {})->AsItem());
    harness.host.OpenItem(
        harness.host.PutItem("Mailbox/Contacts", host::ItemType::DistributionList, {})->AsItem());
    harness.host.SetMailEditor(host::EditorType::Word);
    harness.host.ComposeMail("written in the word processor");
    EXPECT_EQ(app->HookedInspectorKeys(), (Keys{"1", "2", "3"}));
}

// An inspector that shows no item, which the simulated host never opens by itself.
class EmptyInspector : public host::Inspector {
  public:
    Ref<host::CommandBars> GetCommandBars() override { return nullptr; }
    Ref<host::Item> CurrentItem() override { return nullptr; }
    int EditorType() override { return host::EditorType::Html; }
    Connection Advise(host::InspectorEvents&) override { return {}; }
};

TEST_F(AddinLife, AnInspectorWithoutAnItemIsNotHooked) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    auto app = harness.App();
    app->AddToHooked(std::make_shared<EmptyInspector>());
    EXPECT_TRUE(app->HookedInspectorKeys().empty());
    // The counter was not used up either: the next inspector still gets key "1".
    harness.host.ComposeMail("first hooked");
    EXPECT_EQ(app->HookedInspectorKeys(), Keys{"1"});
}

TEST_F(AddinLife, SettingsChangeRehooksEveryWindowWithKeysThatKeepCounting) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.host.OpenExplorer("Public/Customers/Contacts");
    harness.Start();
    harness.host.ComposeMail("draft");
    auto app = harness.App();
    ASSERT_EQ(app->HookedExplorerKeys(), (Keys{"1", "2"}));

    auto edited = std::make_shared<RegSettings>(harness.component);
    edited->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(harness.component));
    auto ns = harness.host.Application()->GetNamespace("MAPI");
    const std::string base = "Public/Customers/";
    ASSERT_TRUE(edited->TrackedFoldersets()->AddByIDs(
        harness.FolderEntryID(base + "Contacts"), harness.FolderStoreID(base + "Contacts"),
        harness.FolderEntryID(base + "Journal"), harness.FolderStoreID(base + "Journal"),
        harness.FolderEntryID(base + "E-mails"), harness.FolderStoreID(base + "E-mails"), ns));
    app->theRegSettings()->UpdateFrom(edited, harness.host.Application());

    EXPECT_EQ(app->HookedExplorerKeys(), (Keys{"3", "4"}));
    EXPECT_EQ(app->HookedInspectorKeys(), Keys{"2"});
    EXPECT_TRUE(app->HasSentItemsHook());
    EXPECT_EQ(harness.store->GetSetting("Parleywick", "Tracked Foldersets", "Count"), "1");
    EXPECT_TRUE(app->IsTrackedFolder(harness.host.Folder(base + "Contacts")));
    EXPECT_FALSE(app->IsTrackedFolder(harness.host.Folder("Public/Suppliers")));
    EXPECT_FALSE(app->IsTrackedFolder(harness.host.Folder("Mailbox/Contacts")));
}

TEST_F(AddinLife, WatchMovesToTheOtherExplorerThenToAnInspectorThenQuits) {
    harness.StoreSavedSettings(ComponentVersion);
    auto first = harness.host.OpenExplorer("Mailbox/Inbox");
    auto second = harness.host.OpenExplorer("Mailbox/Calendar");
    harness.Start();
    auto connect = harness.ConnectObject();
    ASSERT_EQ(connect->WatchedExplorer(), std::shared_ptr<host::Explorer>(first));

    harness.host.Close(first);
    EXPECT_EQ(connect->WatchedExplorer(), std::shared_ptr<host::Explorer>(second));

    auto draft = harness.host.ComposeMail("still open");
    harness.host.Close(second);
    EXPECT_FALSE(connect->WatchedExplorer());
    EXPECT_TRUE(connect->WatchedInspector());
    EXPECT_TRUE(harness.component.AddinIsRunning());

    harness.host.Close(harness.host.InspectorOf(draft->AsItem()));
    EXPECT_FALSE(connect->HoldsHost());
    EXPECT_FALSE(connect->AddinApp());
    draft.reset();
    first.reset();
    second.reset();
    EXPECT_TRUE(harness.host.HeldObjects().empty());
}

TEST_F(AddinLife, QuitReleasesEverythingOfTheHost) {
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    harness.host.ComposeMail("open at quit");
    harness.host.Quit();
    EXPECT_TRUE(harness.host.HeldObjects().empty());
    EXPECT_FALSE(harness.ConnectObject());  // the host let the add-in go
}

TEST_F(AddinLife, SwitchingTheAddinOffWhileWindowsAreOpenReleasesEverything) {
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    harness.host.UnloadAddIn(ConnectProgID);
    EXPECT_TRUE(harness.host.HeldObjects().empty());
}

TEST_F(AddinLife, LoadingWithNoWindowStillInitialises) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.Start(host::ConnectMode::AfterStartup);
    auto connect = harness.ConnectObject();
    EXPECT_FALSE(connect->WatchedExplorer());
    EXPECT_FALSE(connect->WatchedInspector());
    ASSERT_TRUE(connect->AddinApp());
    EXPECT_TRUE(harness.component.AddinInitialised);
}

struct HostCase {
    const char* name;
    const char* version;
    bool accepted;
};

class HostTest : public ::testing::TestWithParam<HostCase> {};

TEST_P(HostTest, OnlyTheSupportedHostAndVersionsConnect) {
    const HostCase& c = GetParam();
    sim::HostInfo info;
    info.Name = c.name;
    info.Version = c.version;
    test::AddinHarness harness(info);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    EXPECT_EQ(static_cast<bool>(harness.App()), c.accepted) << c.name << " " << c.version;
    const std::string log = harness.LogContents();
    const bool refusedLines = log.find("Invalid Outlook version or app") != std::string::npos &&
                              log.find(std::string("Invalid version is: ") + c.name + " " +
                                       c.version + "  {") != std::string::npos;
    EXPECT_EQ(refusedLines, !c.accepted) << log;
    if (!c.accepted) {
        EXPECT_TRUE(harness.platform.MessageBoxes().empty());
        EXPECT_FALSE(harness.component.AddinIsRunning());
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, HostTest,
                         ::testing::Values(HostCase{"Outlook", "9.0.0.2711", true},
                                           HostCase{"Outlook", "9.0.0.2710", false},
                                           HostCase{"Outlook", "9.1.0.2711", true},
                                           HostCase{"Outlook", "9.0.0.2416", false},
                                           HostCase{"Outlook", "10.5", true},
                                           HostCase{"Outlook", "100.0", true},
                                           HostCase{"Outlook", "8.5.5104.6", false},
                                           HostCase{"Outlook", "11.0.5510", false},
                                           HostCase{"outlook", "9.0.0.3821", false}));

TEST(AddinStartup, WithoutTheErrorLibraryTheAddinStaysInertAfterOneMessage) {
    test::AddinHarness harness;
    harness.platform.Factories().Unregister(ErrorLibraryProgID);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    EXPECT_FALSE(harness.App());
    ASSERT_EQ(harness.platform.MessageBoxes().size(), 1u);
    EXPECT_EQ(harness.platform.MessageBoxes()[0].Style, MsgBoxStyle::Critical);
    EXPECT_FALSE(harness.component.ErrorFrameworkStarted);
}

}  // namespace
}  // namespace pwk
