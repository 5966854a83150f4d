#include "src/tracking/RegSettings.h"

#include <algorithm>
#include <functional>

#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

// Counts Updated and lets a test act inside it.
class UpdatedSink : public RegSettingsEvents {
  public:
    void Updated() override {
        ++count;
        if (onUpdated) {
            onUpdated();
        }
    }
    int count = 0;
    std::function<void()> onUpdated;
};

class RegSettingsTest : public test::TrackingTestBase {
  protected:
    RegSettingsTest() { connection = settings->Advise(sink); }

    std::shared_ptr<RegSettings> NewSettings() { return std::make_shared<RegSettings>(component); }

    void StoreVersion(const std::string& major, const std::string& minor,
                      const std::string& revision) {
        store().SaveSetting(App, "Version", "Major", major);
        store().SaveSetting(App, "Version", "Minor", minor);
        store().SaveSetting(App, "Version", "Revision", revision);
    }

    std::shared_ptr<RegSettings> settings = NewSettings();
    UpdatedSink sink;
    Connection connection;
};

// Reading.

TEST_F(RegSettingsTest, EmptyStoreReadsAsAFirstRunWithDefaults) {
    settings->SetLogLevel(3);
    settings->ReadReg(application);
    EXPECT_EQ(errors->calls.front(), "enter RegSettings.ReadReg");
    EXPECT_EQ(errors->calls.back(), "exit RegSettings.ReadReg");
    EXPECT_EQ(settings->LogLevel(), 3);  // the value held before is the default
    EXPECT_TRUE(settings->TrackUnlinkedEmail());
    EXPECT_FALSE(settings->JournalEmails());
    EXPECT_FALSE(settings->SaveLinksByRef());
    EXPECT_TRUE(settings->FirstRun());
    EXPECT_EQ(settings->PrevRunVersionMajor(), 0);
    EXPECT_EQ(settings->PrevRunVersionMinor(), 0);
    EXPECT_EQ(settings->PrevRunVersionRevision(), 0);
    EXPECT_TRUE(settings->TrackAppointments());
    EXPECT_TRUE(settings->UseSentMailFolder());
    ASSERT_NE(settings->TrackedFoldersets(), nullptr);
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 0);
    EXPECT_TRUE(settings->JustUpgraded());  // a first run is also an upgrade
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(host.Faults().Calls("Application.GetNamespace"), 2);  // the fixture's and the read's
    EXPECT_TRUE(store().Dump().empty());                            // reading writes nothing
}

TEST_F(RegSettingsTest, ReadReplacesTheCollectionWithTheStoredFoldersets) {
    AddTriple(1);
    AddTriple(2);
    StoreTriples({2, 1});
    const auto before = std::make_shared<TrackedFoldersets>(component);
    settings->SetTrackedFoldersets(before);
    settings->ReadReg(application);
    const auto sets = settings->TrackedFoldersets();
    EXPECT_NE(sets, before);
    ASSERT_EQ(sets->Count(), 2);
    EXPECT_EQ(sets->Item(1)->getContactFoldEntryID(), "C2");
}

TEST_F(RegSettingsTest, StoredBooleansReadInAnyCaseOrAsNumbers) {
    store().SaveSetting(App, "Tracking", "TrackUnlinkedEmail", "false");
    store().SaveSetting(App, "Tracking", "TrackAppointments", "FALSE");
    store().SaveSetting(App, "Tracking", "UseSentMailFolder", "0");
    store().SaveSetting(App, "Tracking", "JournalEmails", "7");
    store().SaveSetting(App, "Tracking", "SaveLinksByRef", "tRuE");
    store().SaveSetting(App, "Tracking", "FirstRun", "-1");
    settings->ReadReg(application);
    EXPECT_FALSE(settings->TrackUnlinkedEmail());
    EXPECT_FALSE(settings->TrackAppointments());
    EXPECT_FALSE(settings->UseSentMailFolder());
    EXPECT_TRUE(settings->JournalEmails());
    EXPECT_TRUE(settings->SaveLinksByRef());
    EXPECT_TRUE(settings->FirstRun());
    EXPECT_EQ(HandledFailures(), 0);
}

TEST_F(RegSettingsTest, UpgradeIsANewerRunningVersionOnly) {
    // The running add-in is 2.1.158.
    const struct {
        const char* major;
        const char* minor;
        const char* revision;
        bool upgraded;
    } cases[] = {
        {"2", "0", "300", true}, {"2", "1", "200", false}, {"3", "0", "0", false},
        {"2", "1", "157", true}, {"2", "1", "158", false}, {"1", "9", "999", true},
        {"-1", "0", "0", true},  {"2", "2", "0", false},
    };
    for (const auto& c : cases) {
        StoreVersion(c.major, c.minor, c.revision);
        auto read = NewSettings();
        read->ReadReg(application);
        EXPECT_EQ(read->JustUpgraded(), c.upgraded)
            << c.major << "." << c.minor << "." << c.revision;
    }
}

// Saving.

TEST_F(RegSettingsTest, SaveWritesTheLayoutExactlyAndRemovesEverythingElse) {
    AddTriple(1);
    store().SaveSetting(App, "Obsolete\\Deep", "Key", "old");
    store().SaveSetting(App, "Logging", "Other", "old");
    store().SaveSetting(App, "Tracking", "Retired", "old");
    store().SaveSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "9", "old");
    store().SaveSetting("Another App", "Keep", "Key", "theirs");
    StoreVersion("1", "0", "0");

    auto sets = std::make_shared<TrackedFoldersets>(component);
    ASSERT_TRUE(sets->Add(Triple(1, 0), nameSpace));
    settings->SetTrackedFoldersets(sets);
    settings->SetLogLevel(-12);
    settings->SetTrackUnlinkedEmail(true);
    settings->SetJournalEmails(false);
    settings->SetSaveLinksByRef(true);
    settings->SetFirstRun(true);
    settings->SetPrevRunVersionMajor(1);
    settings->SetTrackAppointments(false);
    settings->SetUseSentMailFolder(true);
    settings->SaveReg(application);

    EXPECT_EQ(store().Dump(App), (std::vector<std::string>{
                                     "Logging|LogLevel=-12",
                                     "Tracked Foldersets\\Contacts\\EntryID|1=C1",
                                     "Tracked Foldersets\\Contacts\\StoreID|1=S",
                                     "Tracked Foldersets\\Emails\\EntryID|1=E1",
                                     "Tracked Foldersets\\Emails\\StoreID|1=S",
                                     "Tracked Foldersets\\Journals\\EntryID|1=J1",
                                     "Tracked Foldersets\\Journals\\StoreID|1=S",
                                     "Tracked Foldersets|Count=1",
                                     "Tracking|FirstRun=False",
                                     "Tracking|JournalEmails=False",
                                     "Tracking|SaveLinksByRef=True",
                                     "Tracking|TrackAppointments=False",
                                     "Tracking|TrackUnlinkedEmail=True",
                                     "Tracking|UseSentMailFolder=True",
                                     "Version|Major=2",
                                     "Version|Minor=1",
                                     "Version|Revision=158",
                                 }));
    EXPECT_EQ(store().GetSetting("Another App", "Keep", "Key"), "theirs");
    EXPECT_EQ(settings->PrevRunVersionMajor(), 1);
    EXPECT_EQ(HandledFailures(), 0);
    EXPECT_EQ(Lookups(), 3);  // those of the Add above only
}

TEST_F(RegSettingsTest, SaveWithoutACollectionWritesNothingGivenUpOrContinued) {
    store().SaveSetting(App, "Tracking", "JournalEmails", "True");
    StoreVersion("2", "0", "1");
    const auto before = store().Dump();
    EXPECT_EQ(test::FailureOf([&] { settings->SaveReg(application); }),
              FailureNumber::ObjectNotSet);
    EXPECT_EQ(store().Dump(), before);
    EXPECT_EQ(errors->calls.back(), "errorexit 4");

    errors->actions = {Continue};
    settings->SaveReg(application);
    EXPECT_EQ(HandledFailures(), 2);
    EXPECT_EQ(store().Dump(), before);
}

TEST_F(RegSettingsTest, FailedWriteContinuedRollsTheWholeSaveBackAndRetriedSavesAll) {
    store().SaveSetting(App, "Tracking", "JournalEmails", "False");
    const auto before = store().Dump();
    settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
    settings->SetJournalEmails(true);
    // Store operations of a save: two reads of the log location, four removals, LogLevel,
    // Count, TrackUnlinkedEmail, then JournalEmails.
    store().FailOperation(10);
    errors->actions = {Continue};
    settings->SaveReg(application);
    EXPECT_EQ(HandledFailures(), 1);
    EXPECT_EQ(store().Dump(), before);

    settings->SaveReg(application);
    EXPECT_EQ(store().GetSetting(App, "Tracking", "JournalEmails"), "True");
    EXPECT_EQ(store().GetSetting(App, "Version", "Major"), "2");
}

TEST_F(RegSettingsTest, FailedWriteGivenUpRollsTheWholeSaveBack) {
    store().SaveSetting(App, "Tracking", "JournalEmails", "True");
    store().SaveSetting(App, "Logging", "LogPath", "D:\\Logs");
    const auto before = store().Dump();
    settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
    store().FailOperation(12);  // one past the log path this time: TrackUnlinkedEmail
    EXPECT_EQ(test::FailureOf([&] { settings->SaveReg(application); }), 5);
    EXPECT_EQ(store().Dump(), before);
}

// Bad stored values.

TEST_F(RegSettingsTest, BooleanThatIsNotOneIsAFailureContinuedPastWithThePropertyUnchanged) {
    store().SaveSetting(App, "Tracking", "TrackUnlinkedEmail", "Yes");
    store().SaveSetting(App, "Tracking", "UseSentMailFolder", "False");
    const auto before = store().Dump();
    errors->actions = {Continue};
    settings->ReadReg(application);
    EXPECT_FALSE(settings->TrackUnlinkedEmail());  // neither the stored word nor the default
    EXPECT_FALSE(settings->UseSentMailFolder());   // later values still read
    EXPECT_TRUE(settings->TrackAppointments());
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(std::count(errors->calls.begin(), errors->calls.end(),
                         "handle 13 RegSettings.ReadReg b4 s2 f1"),
              1);
    // The error dialog says which value it was.
    EXPECT_EQ(errors->current->Description,
              "Type mismatch: Tracking\\TrackUnlinkedEmail is \"Yes\"");
    EXPECT_EQ(store().Dump(), before);
}

TEST_F(RegSettingsTest, BooleanThatIsNotOneGivenUpStopsTheReadWithoutUpdated) {
    store().SaveSetting(App, "Tracking", "JournalEmails", "maybe");
    store().SaveSetting(App, "Tracking", "SaveLinksByRef", "True");
    const auto before = store().Dump();
    EXPECT_EQ(test::FailureOf([&] { settings->ReadReg(application); }),
              FailureNumber::TypeMismatch);
    EXPECT_TRUE(settings->TrackUnlinkedEmail());  // read before the failure
    EXPECT_FALSE(settings->SaveLinksByRef());     // after it: not read
    EXPECT_EQ(sink.count, 0);
    EXPECT_EQ(errors->calls.back(), "errorexit 4");
    EXPECT_EQ(store().Dump(), before);
}

TEST_F(RegSettingsTest, VersionBeyondSixteenBitsOverflowsAndLeavesOnlyThatNumber) {
    StoreVersion("70000", "1", "-32769");
    errors->actions = {Continue, Continue};
    settings->ReadReg(application);
    EXPECT_EQ(settings->PrevRunVersionMajor(), 0);
    EXPECT_EQ(settings->PrevRunVersionMinor(), 1);
    EXPECT_EQ(settings->PrevRunVersionRevision(), 0);
    EXPECT_EQ(std::count(errors->calls.begin(), errors->calls.end(),
                         "handle 6 RegSettings.ReadReg b4 s2 f1"),
              2);
    EXPECT_EQ(sink.count, 1);
}

TEST_F(RegSettingsTest, LogLevelThatIsNotANumberKeepsTheCurrentLevel) {
    store().SaveSetting(App, "Logging", "LogLevel", "verbose");
    settings->SetLogLevel(4);
    errors->actions = {Continue};
    settings->ReadReg(application);
    EXPECT_EQ(settings->LogLevel(), 4);
    EXPECT_EQ(HandledFailures(), 1);
}

TEST_F(RegSettingsTest, SectionsDeletedByHandReadAsTheirDefaults) {
    settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
    settings->SetUseSentMailFolder(false);
    settings->SetLogLevel(2);
    settings->SaveReg(application);
    store().DeleteSection(App, "Tracking");
    store().DeleteSection(App, "Version");
    auto read = NewSettings();
    read->ReadReg(application);
    EXPECT_TRUE(read->UseSentMailFolder());
    EXPECT_TRUE(read->FirstRun());
    EXPECT_TRUE(read->JustUpgraded());
    EXPECT_EQ(read->LogLevel(), 2);  // "Logging" was left alone
    EXPECT_EQ(HandledFailures(), 0);
}

TEST_F(RegSettingsTest, ReadWithoutTheHostDropsTheFoldersetsButReadsTheRest) {
    AddTriple(1);
    StoreTriples({1});
    store().SaveSetting(App, "Tracking", "JournalEmails", "True");
    errors->actions = {Continue};
    settings->ReadReg(nullptr);
    EXPECT_EQ(HandledFailures(), 1);
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 0);
    EXPECT_EQ(errors->logLines.size(), 1u);
    EXPECT_TRUE(settings->JournalEmails());
}

// Updated and UpdateFrom.

TEST_F(RegSettingsTest, UpdatedReachesEverySubscriberAfterAllValuesAreRead) {
    UpdatedSink second;
    auto secondConnection = settings->Advise(second);
    store().SaveSetting(App, "Tracking", "UseSentMailFolder", "False");
    bool lastValueSeen = true;
    // The application object saves inside Updated; so does this subscriber.
    sink.onUpdated = [&] {
        lastValueSeen = settings->UseSentMailFolder();
        settings->SaveReg(application);
    };
    settings->ReadReg(application);
    EXPECT_FALSE(lastValueSeen);
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(second.count, 1);
    EXPECT_EQ(store().GetSetting(App, "Tracking", "FirstRun"), "False");
    EXPECT_TRUE(settings->FirstRun());

    secondConnection.Disconnect();
    settings->ReadReg(application);
    EXPECT_EQ(second.count, 1);
    EXPECT_EQ(sink.count, 2);
}

TEST_F(RegSettingsTest, UpdateFromCopiesEverythingButFirstRun) {
    AddTriple(1);
    AddTriple(2);
    auto edited = NewSettings();
    auto editedSets = std::make_shared<TrackedFoldersets>(component);
    ASSERT_TRUE(editedSets->Add(Triple(1, 4), nameSpace));
    ASSERT_TRUE(editedSets->Add(Triple(2, 7), nameSpace));
    edited->SetTrackedFoldersets(editedSets);
    edited->SetLogLevel(9);
    edited->SetTrackUnlinkedEmail(true);
    edited->SetJournalEmails(true);
    edited->SetSaveLinksByRef(true);
    edited->SetFirstRun(true);
    edited->SetPrevRunVersionMajor(1);
    edited->SetPrevRunVersionMinor(2);
    edited->SetPrevRunVersionRevision(3);
    edited->SetTrackAppointments(true);
    edited->SetUseSentMailFolder(true);

    settings->UpdateFrom(edited, application);
    EXPECT_EQ(sink.count, 1);
    EXPECT_FALSE(settings->FirstRun());
    EXPECT_EQ(settings->LogLevel(), 9);
    EXPECT_TRUE(settings->TrackUnlinkedEmail() && settings->JournalEmails() &&
                settings->SaveLinksByRef() && settings->TrackAppointments() &&
                settings->UseSentMailFolder());
    EXPECT_EQ(settings->PrevRunVersionMajor(), 1);
    EXPECT_EQ(settings->PrevRunVersionMinor(), 2);
    EXPECT_EQ(settings->PrevRunVersionRevision(), 3);
    // A validated copy, not the editor's collection.
    const auto sets = settings->TrackedFoldersets();
    EXPECT_NE(sets, editedSets);
    EXPECT_EQ(sets->Count(), 2);
    EXPECT_EQ(sets->ItemByRegIndex(7)->getContactFoldEntryID(), "C2");
    EXPECT_EQ(sets->nextRegIndex(), 8);

    // And the other way: a first-run flag set here survives an edit that has it clear.
    settings->SetFirstRun(true);
    edited->SetFirstRun(false);
    settings->UpdateFrom(edited, application);
    EXPECT_TRUE(settings->FirstRun());
}

TEST_F(RegSettingsTest, UpdateFromLeavesOutFoldersetsThatFailValidation) {
    AddTriple(1);
    AddTriple(2);
    auto edited = NewSettings();
    edited->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
    ASSERT_TRUE(edited->TrackedFoldersets()->Add(Triple(1, 0), nameSpace));
    ASSERT_TRUE(edited->TrackedFoldersets()->Add(Triple(2, 1), nameSpace));
    DeleteFolder("E2");
    settings->UpdateFrom(edited, application);
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 1);
    EXPECT_EQ(sink.count, 1);
}

TEST_F(RegSettingsTest, UpdateFromSettingsWithoutACollectionFailsWithoutUpdated) {
    auto edited = NewSettings();
    EXPECT_EQ(test::FailureOf([&] { settings->UpdateFrom(edited, application); }),
              FailureNumber::ObjectNotSet);
    EXPECT_EQ(sink.count, 0);
    EXPECT_EQ(test::FailureOf([&] { settings->UpdateFrom(nullptr, application); }),
              FailureNumber::ObjectNotSet);
    EXPECT_EQ(sink.count, 0);
}

TEST_F(RegSettingsTest, UpdateFromItselfKeepsItsFoldersets) {
    AddTriple(1);
    settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
    ASSERT_TRUE(settings->TrackedFoldersets()->Add(Triple(1, 0), nameSpace));
    settings->UpdateFrom(settings, application);
    EXPECT_EQ(settings->TrackedFoldersets()->Count(), 1);
}

}  // namespace
}  // namespace pwk
