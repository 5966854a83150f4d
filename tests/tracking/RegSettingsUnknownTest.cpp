// A value whose read failed is unknown, not default: what a save may do with it. Foldersets
// left unread stay as stored (with their log line) in ignore-refused-reads.scenario, and take
// a folderset added on the options page in track-after-partial-read.scenario.
#include <gtest/gtest.h>

#include "src/tracking/DroppedFoldersets.h"
#include "src/tracking/RegSettings.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

class RegSettingsUnknownTest : public test::TrackingTestBase {
  protected:
    RegSettingsUnknownTest() {
        store().SaveSetting(App, "Logging", "LogLevel", "3");
        store().SaveSetting(App, "Logging", "LogPath", "D:\\Logs");
        store().SaveSetting(App, "Tracking", "JournalEmails", "True");
        store().SaveSetting(App, "Tracking", "FirstRun", "False");
        store().SaveSetting(App, "Version", "Major", "2");
        store().SaveSetting(App, "Version", "Minor", "0");
        store().SaveSetting(App, "Version", "Revision", "300");
    }

    // Reads with the store's n-th operation refused and the user going on, then saves.
    void ReadRefusingThenSave(int operation) {
        const int handled = HandledFailures();
        store().FailOperation(operation);
        errors->actions = {Continue};
        settings->ReadReg(application);
        ASSERT_EQ(HandledFailures(), handled + 1);
        settings->SaveReg(application);
    }

    std::string Stored(const char* section, const char* key) {
        return store().GetSetting(App, section, key, "absent");
    }

    std::shared_ptr<RegSettings> settings = std::make_shared<RegSettings>(component);
};

// Store operations of a load: LogLevel, Count, six listings of the foldersets' sections, then
// TrackUnlinkedEmail, JournalEmails, SaveLinksByRef, FirstRun, Major ...
constexpr int LogLevelRead = 1;
constexpr int JournalEmailsRead = 10;
constexpr int MajorRead = 13;

TEST_F(RegSettingsUnknownTest, RefusedOptionIsNotWrittenOverAndItsSectionStays) {
    ReadRefusingThenSave(LogLevelRead);
    EXPECT_EQ(settings->LogLevel(), 0);
    EXPECT_EQ(Stored("Logging", "LogLevel"), "3");
    EXPECT_EQ(Stored("Logging", "LogPath"), "D:\\Logs");
    // What was read is saved as usual.
    EXPECT_EQ(Stored("Tracking", "JournalEmails"), "True");
    EXPECT_EQ(Stored("Version", "Minor"), "1");

    ReadRefusingThenSave(JournalEmailsRead);
    EXPECT_EQ(Stored("Tracking", "JournalEmails"), "True");
    EXPECT_EQ(Stored("Logging", "LogLevel"), "3");
}

TEST_F(RegSettingsUnknownTest, AnOptionChangedSinceIsKnownAgain) {
    ReadRefusingThenSave(LogLevelRead);
    settings->SetLogLevel(5);
    settings->SaveReg(application);
    EXPECT_EQ(Stored("Logging", "LogLevel"), "5");
}

TEST_F(RegSettingsUnknownTest, UnknownTravelsThroughTheOptionsPagesCopyBothWays) {
    ReadRefusingThenSave(JournalEmailsRead);
    // The page's copy saves first, then hands itself back.
    auto copy = std::make_shared<RegSettings>(component);
    copy->UpdateFrom(settings, application);
    copy->SetSaveLinksByRef(true);
    copy->SaveReg(application);
    EXPECT_EQ(Stored("Tracking", "JournalEmails"), "True");
    EXPECT_EQ(Stored("Tracking", "SaveLinksByRef"), "True");
    settings->UpdateFrom(copy, application);
    settings->SaveReg(application);
    EXPECT_EQ(Stored("Tracking", "JournalEmails"), "True");
}

TEST_F(RegSettingsUnknownTest, AChangeToFoldersetsNotReadWholeKeepsTheUnreadOnesAndGoesBackWhole) {
    for (int n = 1; n <= 3; ++n) {
        AddTriple(n);
    }
    StoreTriples({1, 2});
    // LogLevel, Count, then the third of the six listings: no folderset is loaded.
    ReadRefusingThenSave(1 + 1 + 3);
    ASSERT_EQ(settings->TrackedFoldersets()->Count(), 0);
    EXPECT_EQ(Stored("Tracked Foldersets", "Count"), "2") << "unchanged: left as stored";
    const auto contacts = [&] {
        std::string stored;
        const int count = std::stoi(Stored("Tracked Foldersets", "Count"));
        for (int i = 1; i <= count; ++i) {
            stored += store().GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID",
                                         std::to_string(i), "?");
        }
        return stored;
    };

    // The options page's copy adds one: the save puts it beside both stored ones.
    auto copy = std::make_shared<RegSettings>(component);
    copy->UpdateFrom(settings, application);
    const auto added = copy->TrackedFoldersets();
    ASSERT_TRUE(added->Add(Triple(3, added->nextRegIndex()), nameSpace));
    copy->SaveReg(application);
    EXPECT_EQ(contacts(), "C1C2C3");

    // The add-in does not take the copy: its own list goes back, whole.
    settings->PutBackOver(*copy, application);
    settings->SaveReg(application);
    EXPECT_EQ(contacts(), "C1C2");
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 2);
}

TEST_F(RegSettingsUnknownTest, UnreadVersionIsNoUpgradeAndIsNotWrittenOver) {
    ReadRefusingThenSave(MajorRead);
    EXPECT_FALSE(settings->JustUpgraded());
    EXPECT_EQ(Stored("Version", "Revision"), "300");
    EXPECT_EQ(Stored("Tracking", "FirstRun"), "False");

    auto next = std::make_shared<RegSettings>(component);
    next->ReadReg(application);
    EXPECT_TRUE(next->JustUpgraded());  // told at the first start that can read it
}

TEST_F(RegSettingsUnknownTest, RecoveryRecordOwedGoesInTheSameBatchAsTheListWithoutIt) {
    AddTriple(1);
    AddTriple(2);
    StoreTriples({1, 2});
    DeleteFolder("J1");
    // The load's operations up to the record's first write: LogLevel, Count, six listings.
    store().FailOperation(1 + 1 + 6 + 1);
    errors->actions = {Continue};
    settings->ReadReg(application);
    EXPECT_TRUE(store().Dump(DroppedFoldersets::AppName).empty());

    // A save refused and gone on from keeps both as they were ...
    const auto before = store().Dump();
    store().FailOperation(8);  // past the reads of the log location and four removals
    errors->actions = {Continue};
    settings->SaveReg(application);
    EXPECT_EQ(store().Dump(), before);

    // ... and the next one writes both.
    settings->SaveReg(application);
    EXPECT_EQ(Stored("Tracked Foldersets", "Count"), "1");
    EXPECT_EQ(store().Dump(DroppedFoldersets::AppName).size(), 10u);

    // Once written, the record is not owed any more: the saves after write the list alone.
    store().DeleteApplication(DroppedFoldersets::AppName);
    settings->SaveReg(application);
    EXPECT_TRUE(store().Dump(DroppedFoldersets::AppName).empty());
}

}  // namespace
}  // namespace pwk
