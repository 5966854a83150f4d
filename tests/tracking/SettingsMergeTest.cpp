// Another program (the settings tool) saves while the add-in runs: the add-in's next save
// keeps what it saved and puts the add-in's own changes on top.
#include <gmock/gmock.h>

#include <algorithm>

#include "src/tracking/RegSettings.h"
#include "src/tracking/SettingsChanges.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

using ::testing::HasSubstr;

class SettingsMergeTest : public test::TrackingTestBase {
  protected:
    SettingsMergeTest() {
        for (int n = 1; n <= 3; ++n) {
            AddTriple(n);
        }
        store().SaveSetting(App, "Logging", "LogLevel", "3");
    }

    // What the settings tool does: writes inside one batch with the count raised.
    void OtherProgram(const std::function<void()>& writes) {
        store().Batch([&] {
            writes();
            SettingsChanges::Raise(store());
        });
    }

    std::vector<std::string> StoredContacts() {
        std::vector<std::string> contacts;
        const int count = std::stoi(store().GetSetting(App, "Tracked Foldersets", "Count", "0"));
        for (int i = 1; i <= count; ++i) {
            contacts.push_back(store().GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID",
                                                  std::to_string(i), "?"));
        }
        return contacts;
    }

    long Conflicts() const {
        return std::count_if(
            errors->logLines.begin(), errors->logLines.end(),
            [](const auto& line) { return line.find("another program") != std::string::npos; });
    }

    std::shared_ptr<RegSettings> settings = std::make_shared<RegSettings>(component);
};

TEST_F(SettingsMergeTest, AFoldersetAddedByAnotherProgramSurvivesTheAddinsNextSave) {
    StoreTriples({1});
    settings->ReadReg(application);
    OtherProgram([&] { StoreTriples({1, 2}); });
    settings->SetJournalEmails(true);
    settings->SaveReg(application);
    EXPECT_EQ(StoredContacts(), (std::vector<std::string>{"C1", "C2"}));
    EXPECT_EQ(store().GetSetting(App, "Tracking", "JournalEmails"), "True");
    // The live settings are the merged ones.
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 2);
    EXPECT_EQ(Conflicts(), 0);
}

TEST_F(SettingsMergeTest, RemovalsOnEitherSideStayRemovedAndAdditionsOnBothSidesStay) {
    StoreTriples({1, 2});
    settings->ReadReg(application);
    // The tool removes 2 (the add-in left it alone); the add-in removes 1 and adds 3.
    OtherProgram([&] {
        store().DeleteSection(App, "Tracked Foldersets");
        StoreTriples({1});
    });
    settings->TrackedFoldersets()->Remove(Triple(1));
    ASSERT_TRUE(settings->TrackedFoldersets()->Add(Triple(3, 7), nameSpace));
    settings->SaveReg(application);
    EXPECT_EQ(StoredContacts(), (std::vector<std::string>{"C3"}));
}

// The save's own list is what the next save holds another program's against: one folderset
// replaced in the middle of the list, and the one it replaced put back by the tool, stays.
TEST_F(SettingsMergeTest, AFoldersetTheToolPutsBackAfterTheAddinReplacedItStays) {
    AddTriple(4);
    StoreTriples({1, 2, 3});
    settings->ReadReg(application);
    settings->TrackedFoldersets()->Remove(Triple(2));
    ASSERT_TRUE(settings->TrackedFoldersets()->Add(Triple(4, 9), nameSpace));
    settings->SaveReg(application);
    ASSERT_EQ(StoredContacts(), (std::vector<std::string>{"C1", "C3", "C4"}));
    OtherProgram([&] { StoreTriples({1, 3, 4, 2}); });
    settings->SaveReg(application);
    EXPECT_EQ(StoredContacts(), (std::vector<std::string>{"C1", "C3", "C4", "C2"}));
}

TEST_F(SettingsMergeTest, AValueBothChangedKeepsTheAddinsAndTheLogNamesIt) {
    settings->ReadReg(application);
    OtherProgram([&] {
        store().SaveSetting(App, "Logging", "LogLevel", "5");
        store().SaveSetting(App, "Tracking", "TrackAppointments", "False");
    });
    settings->SetLogLevel(7);
    settings->SaveReg(application);
    EXPECT_EQ(store().GetSetting(App, "Logging", "LogLevel"), "7");
    // The value only the other program changed is its.
    EXPECT_EQ(store().GetSetting(App, "Tracking", "TrackAppointments"), "False");
    EXPECT_FALSE(settings->TrackAppointments());
    ASSERT_EQ(Conflicts(), 1);
    EXPECT_THAT(errors->logLines.back(), HasSubstr("Logging\\LogLevel"));

    // Saved since: the next save merges nothing and logs nothing more.
    settings->SaveReg(application);
    EXPECT_EQ(Conflicts(), 1);
}

TEST_F(SettingsMergeTest, AnUnchangedValueTakesTheOtherProgramsWithoutAConflict) {
    settings->ReadReg(application);
    OtherProgram([&] { store().SaveSetting(App, "Logging", "LogLevel", "5"); });
    settings->SaveReg(application);
    EXPECT_EQ(settings->LogLevel(), 5);
    EXPECT_EQ(store().GetSetting(App, "Logging", "LogLevel"), "5");
    EXPECT_EQ(Conflicts(), 0);
}

TEST_F(SettingsMergeTest, ASaveThatChangesNothingLeavesTheCountAndWritesNothing) {
    settings->ReadReg(application);
    settings->SaveReg(application);
    const auto stored = store().Dump();
    const std::int64_t count = SettingsChanges::Read(store());
    // The next start reads and saves the same settings: nothing for another program to notice.
    settings = std::make_shared<RegSettings>(component);
    settings->ReadReg(application);
    settings->SaveReg(application);
    EXPECT_EQ(SettingsChanges::Read(store()), count);
    EXPECT_EQ(store().Dump(), stored);
    // A change is counted, also one another caller writes in the save's batch.
    settings->SaveReg(application, [&] { store().SaveSetting(App, "Logging", "LogPath", "C:"); });
    EXPECT_EQ(SettingsChanges::Read(store()), count + 1);
}

TEST_F(SettingsMergeTest, EveryChangingSaveRaisesTheCountInItsBatchAndARefusedSaveLeavesIt) {
    EXPECT_EQ(SettingsChanges::Read(store()), 0);  // none stored yet
    settings->ReadReg(application);
    settings->SaveReg(application);
    EXPECT_EQ(SettingsChanges::Read(store()), 1);
    const MemorySettingsStore original = store();
    errors->actions = {Continue};
    // Whichever operation of the save is refused, the count moves with the values or not at all.
    int refused = 0;
    for (int n = 1; n < 100; ++n) {
        store() = original;
        settings = std::make_shared<RegSettings>(component);
        settings->ReadReg(application);
        settings->SetLogLevel(9);
        const int start = store().OperationCount();
        store().FailOperation(n);
        test::FailureOf([&] { settings->SaveReg(application); });
        const bool failed = store().OperationCount() - start >= n;
        store().FailOperation(1000);
        const bool saved = store().GetSetting(App, "Logging", "LogLevel") == "9";
        EXPECT_EQ(SettingsChanges::Read(store()), saved ? 2 : 1) << "operation " << n;
        if (!failed) {
            EXPECT_TRUE(saved);
            break;
        }
        refused += saved ? 0 : 1;
    }
    EXPECT_GT(refused, 5);
}

TEST_F(SettingsMergeTest, ANoticedChangeIsMergedAndAnnouncedAndNoChangeCostsOneRead) {
    StoreTriples({1});
    settings->ReadReg(application);
    int updated = 0;
    struct Sink : RegSettingsEvents {
        int* count;
        void Updated() override { ++*count; }
    } sink;
    sink.count = &updated;
    const Connection connection = settings->Advise(sink);

    const int operations = store().OperationCount();
    EXPECT_FALSE(settings->NoticeOutsideChange(application));
    EXPECT_EQ(store().OperationCount(), operations + 1);
    EXPECT_EQ(updated, 0);

    OtherProgram([&] { StoreTriples({1, 2}); });
    EXPECT_TRUE(settings->NoticeOutsideChange(application));
    EXPECT_EQ(updated, 1);
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 2);
    EXPECT_FALSE(settings->NoticeOutsideChange(application));
}

TEST_F(SettingsMergeTest, AFoldersetTheOtherProgramAddedThatTheHostLacksGoesToTheRecoveryRecord) {
    StoreTriples({1});
    settings->ReadReg(application);
    OtherProgram([&] { StoreTriples({1, 4}); });  // triple 4 has no folders
    settings->SaveReg(application);
    EXPECT_EQ(StoredContacts(), (std::vector<std::string>{"C1"}));
    EXPECT_EQ(store().Dump("Parleywick Recovery").size(), 10u);
}

}  // namespace
}  // namespace pwk
