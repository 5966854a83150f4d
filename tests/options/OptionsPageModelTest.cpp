#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "src/options/OptionsPageModel.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/SettingsChanges.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk::test {
namespace {

class CountingSink : public RegSettingsEvents {
  public:
    void Updated() override { ++updates; }
    int updates = 0;
};

// The live settings an add-in holds (two triples tracked, journaling off), and a page opened
// on them.
class OptionsPageModelTest : public TrackingTestBase {
  protected:
    OptionsPageModelTest() {
        AddTriple(1);
        AddTriple(2);
        AddTriple(3);
        live->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
        live->TrackedFoldersets()->Add(Triple(1, 1), nameSpace);
        live->TrackedFoldersets()->Add(Triple(2, 2), nameSpace);
        connection = live->Advise(sink);
        EXPECT_TRUE(page.Load()) << page.Message();
    }

    std::shared_ptr<sim::SimFolder> Folder(const std::string& name) {
        return host.Mailbox().FolderAt("S/" + name);
    }
    bool AddTriple3(const std::string& attachDir = "") {
        return page.Add(Folder("Contacts 3"), Folder("Journal 3"), Folder("Emails 3"), attachDir);
    }
    bool Switch(const std::string& name) const {
        for (const auto& option : page.Switches()) {
            if (option.Name == name) {
                return option.On;
            }
        }
        ADD_FAILURE() << "no switch " << name;
        return false;
    }

    std::shared_ptr<RegSettings> live = std::make_shared<RegSettings>(component);
    CountingSink sink;
    Connection connection;
    OptionsPageModel page{component, application, live};
};

TEST_F(OptionsPageModelTest, OpensOnTheLiveSettingsWithTheFoldersPathsAndNoChanges) {
    ASSERT_EQ(page.Rows().size(), 2u);
    EXPECT_EQ(page.Rows()[0].Contacts, "\\\\S\\Contacts 1");
    EXPECT_EQ(page.Rows()[1].Emails, "\\\\S\\Emails 2");
    ASSERT_EQ(page.Switches().size(), 5u);
    EXPECT_FALSE(Switch("JournalEmails"));
    EXPECT_FALSE(page.Dirty());
    EXPECT_EQ(sink.updates, 0);
}

TEST_F(OptionsPageModelTest, AFolderGoneSinceItWasTrackedShowsAsNotFound) {
    DeleteFolder("J2");
    ASSERT_TRUE(page.Load());
    ASSERT_EQ(page.Rows().size(), 1u)
        << "the copy drops what the host cannot find, as a save would";
    EXPECT_EQ(page.Rows()[0].Journal, "\\\\S\\Journal 1");
}

TEST_F(OptionsPageModelTest, AddsThreeFoldersOfTheRightKindsAndBecomesDirty) {
    ASSERT_TRUE(AddTriple3()) << page.Message();
    ASSERT_EQ(page.Rows().size(), 3u);
    EXPECT_EQ(page.Rows()[2].Journal, "\\\\S\\Journal 3");
    EXPECT_TRUE(page.Dirty());
    EXPECT_EQ(live->TrackedFoldersets()->Count(), 2) << "nothing reaches the live settings yet";
}

TEST_F(OptionsPageModelTest, RefusesWhatCannotBeTrackedAndChangesNothing) {
    // Contacts or journal folders of the wrong kind, a tracked contacts folder and a missing
    // attachment folder are refused in options-page.scenario.
    EXPECT_FALSE(page.Add(Folder("Contacts 3"), Folder("Journal 3"), Folder("Contacts 3"), ""));
    EXPECT_NE(page.Message().find("does not hold e-mails"), std::string::npos);
    EXPECT_FALSE(page.Add(nullptr, Folder("Journal 3"), Folder("Emails 3"), ""));
    EXPECT_EQ(page.Message(), "The specified contact folder was not found");
    EXPECT_FALSE(AddTriple3("C:\\Files\nD:\\Other"));

    EXPECT_EQ(page.Rows().size(), 2u);
    EXPECT_FALSE(page.Dirty());
}

TEST_F(OptionsPageModelTest, AnAttachmentFolderThatExistsIsKept) {
    TempFolder attachments;
    ASSERT_TRUE(AddTriple3(attachments.Path())) << page.Message();
    EXPECT_EQ(page.Rows()[2].AttachDir, attachments.Path());
}

TEST_F(OptionsPageModelTest, ARemovedContactsFolderCanBeAddedAgain) {
    ASSERT_TRUE(page.Remove(1));
    ASSERT_EQ(page.Rows().size(), 1u);
    EXPECT_EQ(page.Rows()[0].Contacts, "\\\\S\\Contacts 2");
    EXPECT_TRUE(page.Dirty());
    ASSERT_TRUE(page.Add(Folder("Contacts 1"), Folder("Journal 1"), Folder("Emails 1"), ""))
        << page.Message();
    EXPECT_FALSE(page.Remove(0));
    EXPECT_FALSE(page.Remove(3));
    EXPECT_EQ(page.Message(), "There is no tracked folderset 3.");
}

TEST_F(OptionsPageModelTest, DirtyComparesWithWhatWasLoaded) {
    ASSERT_TRUE(page.SetSwitch("JournalEmails", true));
    EXPECT_TRUE(page.Dirty());
    ASSERT_TRUE(page.SetSwitch("JournalEmails", false));
    EXPECT_FALSE(page.Dirty()) << "switched back is no change";
    EXPECT_FALSE(page.SetSwitch("FirstRun", true)) << "only the user's switches are offered";
    EXPECT_FALSE(page.SetLogLevel("three"));
    EXPECT_FALSE(page.SetLogLevel("99999999999"));
    EXPECT_FALSE(page.SetLogLocation("C:\\Logs\r\nD:\\", "PWK"));
    EXPECT_FALSE(page.SetLogLocation("C:\\Logs", "..\\PWK"));
    EXPECT_FALSE(page.Dirty());
    ASSERT_TRUE(page.SetLogLevel("3"));
    EXPECT_TRUE(page.Dirty());
}

TEST_F(OptionsPageModelTest, ApplySavesHandsOverAndStartsClean) {
    ASSERT_TRUE(AddTriple3());
    ASSERT_TRUE(page.SetSwitch("JournalEmails", true));
    ASSERT_TRUE(page.SetLogLocation("C:\\Logs", "Team"));
    ASSERT_TRUE(page.Apply()) << page.Message();

    EXPECT_EQ(sink.updates, 1) << "the add-in hears of the change once";
    EXPECT_TRUE(live->JournalEmails());
    EXPECT_EQ(live->TrackedFoldersets()->Count(), 3);
    EXPECT_EQ(store().GetSetting(App, "Tracked Foldersets", "Count"), "3");
    EXPECT_EQ(store().GetSetting(App, "Tracking", "JournalEmails"), "True");
    EXPECT_EQ(store().GetSetting(App, "Logging", "LogPath"), "C:\\Logs");
    EXPECT_EQ(store().GetSetting(App, "Logging", "LogFilename"), "Team");
    EXPECT_FALSE(page.Dirty());
    EXPECT_EQ(page.Rows().size(), 3u);

    const int operations = store().OperationCount();
    EXPECT_TRUE(page.Apply());
    EXPECT_EQ(store().OperationCount(), operations) << "nothing to save, nothing saved";
    EXPECT_EQ(sink.updates, 1);
}

TEST_F(OptionsPageModelTest, ARefusedSaveLeavesEverythingAsItWasAndThePageDirty) {
    live->SaveReg(application);
    const auto before = store().Dump(App);
    ASSERT_TRUE(page.SetSwitch("TrackAppointments", false));
    ASSERT_TRUE(page.Remove(2));
    store().FailOperation(7);  // two reads, four removals, then the first write
    errors->actions = {GiveUp};

    EXPECT_FALSE(page.Apply());
    EXPECT_EQ(page.Message().rfind("The settings were not saved: ", 0), 0u) << page.Message();
    EXPECT_TRUE(page.Dirty());
    EXPECT_EQ(store().Dump(App), before);
    EXPECT_EQ(live->TrackedFoldersets()->Count(), 2);
    EXPECT_EQ(sink.updates, 0);

    ASSERT_TRUE(page.Apply()) << "the user tries again: " << page.Message();
    EXPECT_EQ(live->TrackedFoldersets()->Count(), 1);
    EXPECT_EQ(sink.updates, 1);
}

TEST_F(OptionsPageModelTest, AHostFailureInTheHandOverLeavesTheAddInAndTheStoreAsTheyWere) {
    live->SaveReg(application);
    const auto before = store().Dump(App);
    ASSERT_TRUE(page.SetSwitch("JournalEmails", true));
    ASSERT_TRUE(page.SetLogLocation("C:\\Logs", "Team"));
    // The page's save asks nothing of the host; the hand-over's copy of the foldersets does.
    host.Faults().FailMember("Application.GetNamespace", 5, 1);

    EXPECT_FALSE(page.Apply());
    EXPECT_EQ(page.Message().rfind("The settings were not saved: ", 0), 0u) << page.Message();
    EXPECT_TRUE(page.Dirty());
    EXPECT_FALSE(live->JournalEmails());
    EXPECT_EQ(live->TrackedFoldersets()->Count(), 2) << "the live foldersets, not half replaced";
    EXPECT_EQ(store().Dump(App), before) << "the store back to what the add-in runs with";
    EXPECT_EQ(sink.updates, 0);
}

TEST_F(OptionsPageModelTest, AFailedHandOverPutsTheAddInsValuesBackAndKeepsAnotherProgramsSave) {
    live->SaveReg(application);
    ASSERT_TRUE(page.Load()) << page.Message();
    ASSERT_TRUE(AddTriple3());
    ASSERT_TRUE(page.SetSwitch("JournalEmails", true));
    ASSERT_TRUE(page.SetLogLevel("4"));
    // The settings tool saves while the page is open: the page's save merges it in.
    store().Batch([&] {
        store().SaveSetting(App, "Tracking", "SaveLinksByRef", "True");
        store().SaveSetting(App, "Logging", "LogLevel", "2");
        SettingsChanges::Raise(store());
    });
    host.Faults().FailMember("Application.GetNamespace", 5, 1);

    EXPECT_FALSE(page.Apply());
    EXPECT_EQ(page.Message().rfind("The settings were not saved: ", 0), 0u) << page.Message();
    EXPECT_EQ(store().GetSetting(App, "Tracking", "JournalEmails"), "False");
    EXPECT_EQ(store().GetSetting(App, "Tracked Foldersets", "Count"), "2");
    EXPECT_EQ(store().GetSetting(App, "Logging", "LogLevel"), "2")
        << "the page's change goes, the tool's that it was saved over comes back";
    EXPECT_EQ(store().GetSetting(App, "Tracking", "SaveLinksByRef"), "True")
        << "what the tool saved stays";
    EXPECT_TRUE(live->SaveLinksByRef()) << "and the add-in runs with it";
    EXPECT_EQ(sink.updates, 0);
}

TEST_F(OptionsPageModelTest, PicksTheThreeFoldersWithTheHostsPicker) {
    host.Mailbox().PlanPicks({Folder("Contacts 3"), Folder("Journal 3"), Folder("Emails 3")});
    ASSERT_TRUE(page.AddPicked("")) << page.Message();
    EXPECT_EQ(page.Rows().size(), 3u);

    host.Mailbox().PlanPicks({Folder("Contacts 1"), nullptr});
    EXPECT_FALSE(page.AddPicked(""));
    EXPECT_EQ(page.Message(), "") << "a cancelled pick is no error";
    EXPECT_EQ(page.Rows().size(), 3u);
}

}  // namespace
}  // namespace pwk::test
