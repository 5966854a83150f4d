#include "src/tracking/TrackedFoldersets.h"

#include <gmock/gmock.h>

#include <algorithm>

#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* Recovery = "Parleywick Recovery";

class TrackedFoldersetsStoreTest : public test::TrackingTestBase {
  protected:
    TrackedFoldersetsStoreTest() {
        for (int n = 1; n <= 3; ++n) {
            AddTriple(n);
        }
    }

    std::vector<std::string> Contacts() {
        std::vector<std::string> ids;
        for (std::int32_t i = 1; i <= sets.Count(); ++i) {
            ids.push_back(sets.Item(i)->getContactFoldEntryID());
        }
        return ids;
    }

    TrackedFoldersets sets{component};
};

TEST_F(TrackedFoldersetsStoreTest, SaveRenumbersPositionsAndAsksTheHostNothing) {
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(sets.AddByIDs("C" + std::to_string(n), "S", "J1", "S", "E1", "S", nameSpace));
    }
    sets.RemoveByRegIndex(0);
    const auto lookups = Lookups();
    sets.SaveToReg(App, "Custom");
    EXPECT_EQ(Lookups(), lookups);
    EXPECT_EQ(store().GetSetting(App, "Custom", "Count"), "2");
    EXPECT_EQ(store().GetSetting(App, "Custom\\Contacts\\EntryID", "1"), "C2");
    EXPECT_EQ(store().GetSetting(App, "Custom\\Contacts\\EntryID", "2"), "C3");
    EXPECT_EQ(store().GetSetting(App, "Custom\\Contacts\\EntryID", "3", "none"), "none");
}

TEST_F(TrackedFoldersetsStoreTest, ReadNumbersEntriesFromTheNextIndexInStoreOrder) {
    StoreTriples({3, 1});
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(Contacts(), (std::vector<std::string>{"C3", "C1"}));
    EXPECT_EQ(sets.Item(1)->getRegIndex(), 0);
    EXPECT_EQ(sets.Item(2)->getRegIndex(), 1);
    EXPECT_EQ(Lookups(), 6);  // three per folderset

    // A second read replaces the content but never lowers the counter.
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(sets.Count(), 2);
    EXPECT_EQ(sets.Item(1)->getRegIndex(), 2);
    EXPECT_EQ(sets.nextRegIndex(), 4);
}

TEST_F(TrackedFoldersetsStoreTest, AbsentCountGivesAnEmptyCollectionWithoutWarning) {
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_TRUE(errors->logLines.empty());
    EXPECT_EQ(Lookups(), 0);
}

TEST_F(TrackedFoldersetsStoreTest, LostJournalFolderDropsThatFoldersetWithOneWarning) {
    StoreTriples({1, 2, 3});
    DeleteFolder("J2");
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(Contacts(), (std::vector<std::string>{"C1", "C3"}));
    EXPECT_EQ(sets.Item(1)->getRegIndex(), 0);
    EXPECT_EQ(sets.Item(2)->getRegIndex(), 1);
    EXPECT_EQ(sets.nextRegIndex(), 2);
    EXPECT_THAT(errors->logLines,
                ElementsAre(Warning + std::string(": folderset 2 (contacts EntryID=C2 StoreID=S): "
                                                  "The specified contact folder was not found; "
                                                  "kept for recovery")));
    EXPECT_EQ(HandledFailures(), 0);
    // Kept beside the settings, where the save below cannot reach it.
    std::vector<std::string> record;
    for (const std::string& line : store().Dump(Recovery)) {
        record.push_back(line.substr(line.find('|') + 1));
    }
    EXPECT_EQ(record,
              (std::vector<std::string>{
                  "AttachDir=", "ContactsEntryID=C2", "ContactsStoreID=S",
                  "Dropped=" + platform.FormatDate(platform.Now(), "yyyy-mm-dd hh:nn:ss"),
                  "EmailsEntryID=E2", "EmailsStoreID=S", "JournalsEntryID=J2", "JournalsStoreID=S",
                  "Position=2", "Reason=The specified contact folder was not found"}));

    store().DeleteApplication(App);
    sets.SaveToReg(App);
    EXPECT_EQ(store().GetSetting(App, "Tracked Foldersets", "Count"), "2");
    EXPECT_EQ(store().GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "2"), "C3");
    EXPECT_FALSE(store().GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "3", "") != "");
}

TEST_F(TrackedFoldersetsStoreTest, RepeatedContactsFolderInTheStoreIsWarnedAboutAndDropped) {
    StoreTriples({1, 1, 2});
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(Contacts(), (std::vector<std::string>{"C1", "C2"}));
    EXPECT_THAT(errors->logLines, ElementsAre(StartsWith(Warning)));
}

TEST_F(TrackedFoldersetsStoreTest, HostileCountReadsOnlyTheStoredPositionsAndSaysHowManyItSkipped) {
    StoreTriples({1, 2});
    store().DeleteSection(App, "Tracked Foldersets\\Journals");  // position 2 half-stored
    store().SaveSetting(App, "Tracked Foldersets", "Count", "2147483647");
    const int operations = store().OperationCount();
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(Contacts(), (std::vector<std::string>{}));  // no journal folders: both dropped
    EXPECT_EQ(Lookups(), 6);
    // Count, six listings, the two records: no walk to Count.
    EXPECT_LT(store().OperationCount() - operations, 40);
    EXPECT_THAT(errors->logLines,
                ElementsAre(HasSubstr("\"Count\" is 2147483647: 2147483645 positions hold nothing"),
                            StartsWith(Warning), StartsWith(Warning)));
}

TEST_F(TrackedFoldersetsStoreTest, SectionDeletedByHandLosesOnlyWhatItHeld) {
    StoreTriples({1, 2});
    store().DeleteSection(App, "Tracked Foldersets\\Emails");
    const auto before = store().Dump(App);
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_EQ(errors->logLines.size(), 2u);
    EXPECT_EQ(HandledFailures(), 0);
    EXPECT_EQ(store().Dump(App), before);  // the two are kept in the recovery record only
}

TEST_F(TrackedFoldersetsStoreTest, CountThatIsNotANumberFailsThroughTheProtocol) {
    StoreTriples({1});
    for (const char* bad : {"two", "", "1.5", "0x2"}) {
        store().SaveSetting(App, "Tracked Foldersets", "Count", bad);
        errors->calls.clear();
        try {
            sets.ReadFromReg(App, nameSpace);
            FAIL() << "Count '" << bad << "' was read";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number, FailureNumber::TypeMismatch) << bad;
        }
        EXPECT_EQ(std::count(errors->calls.begin(), errors->calls.end(),
                             "handle 13 TrackedFoldersets.ReadFromReg b4 s2 f1"),
                  1)
            << bad;
        EXPECT_EQ(errors->calls.back(), "errorexit 4");
    }
}

TEST_F(TrackedFoldersetsStoreTest, CountBeyondThirtyTwoBitsOverflowsAndContinuingReadsNothing) {
    StoreTriples({1});
    store().SaveSetting(App, "Tracked Foldersets", "Count", "99999999999");
    errors->actions = {Continue};
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_EQ(HandledFailures(), 1);
    EXPECT_EQ(errors->current->Number, FailureNumber::Overflow);
    EXPECT_EQ(store().GetSetting(App, "Tracked Foldersets", "Count"), "99999999999");
}

TEST_F(TrackedFoldersetsStoreTest, FailingListingLeavesTheListAsStored) {
    StoreTriples({1, 2});
    // Operations: Count, then the six listings; fail the journals' EntryIDs.
    store().FailOperation(1 + 3);
    errors->actions = {Continue};
    sets.ReadFromReg(App, nameSpace);
    // Part of a list is no list to load or to record: nothing is dropped, and it is not whole.
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_TRUE(errors->logLines.empty());
    EXPECT_TRUE(store().Dump(Recovery).empty());
    EXPECT_TRUE(sets.Unread());
    EXPECT_EQ(HandledFailures(), 1);

    sets.ReadFromReg(App, nameSpace);
    EXPECT_FALSE(sets.Unread());
    EXPECT_EQ(Contacts(), (std::vector<std::string>{"C1", "C2"}));
}

TEST_F(TrackedFoldersetsStoreTest, RefusedRecoveryRecordContinuedIsOwedToTheNextSave) {
    StoreTriples({1, 2});
    DeleteFolder("J1");
    // Count, six listings, then the record's first write.
    store().FailOperation(1 + 6 + 1);
    errors->actions = {Continue};
    sets.ReadFromReg(App, nameSpace);
    EXPECT_EQ(Contacts(), (std::vector<std::string>{"C2"}));
    EXPECT_TRUE(store().Dump(Recovery).empty());
    EXPECT_THAT(errors->logLines,
                ElementsAre(AllOf(StartsWith(Warning), HasSubstr("by the next save"))));
    EXPECT_FALSE(sets.Unread());
    const auto unkept = sets.TakeUnkept();
    ASSERT_EQ(unkept.size(), 1u);
    EXPECT_EQ(unkept[0].IDs[2], "J1");
}

TEST_F(TrackedFoldersetsStoreTest, RefusedWriteContinuedLeavesTheSavedListWhole) {
    StoreTriples({3});
    for (int n = 1; n <= 2; ++n) {
        ASSERT_TRUE(sets.AddByIDs("C" + std::to_string(n), "S", "J1", "S", "E1", "S", nameSpace));
    }
    const auto before = store().Dump();
    store().FailOperation(4);  // Count, then the first folderset's contacts StoreID
    errors->actions = {Continue};
    sets.SaveToReg(App);
    EXPECT_EQ(HandledFailures(), 1);
    EXPECT_EQ(store().Dump(), before);
}

}  // namespace
}  // namespace pwk
