#include "src/tracking/TrackedFoldersets.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

class TrackedFoldersetsTest : public test::TrackingTestBase {
  protected:
    TrackedFoldersetsTest() {
        for (int n = 1; n <= 4; ++n) {
            AddTriple(n);
        }
    }

    bool AddTripleByIDs(TrackedFoldersets& target, int n, std::int32_t ignoredIndex = -1) {
        const std::string id = std::to_string(n);
        return target.AddByIDs("C" + id, "S", "J" + id, "S", "E" + id, "S", nameSpace,
                               ignoredIndex);
    }

    std::int32_t FailureOf(const std::function<void()>& call) {
        return test::FailureOf(call, &lastSource);
    }

    TrackedFoldersets sets{component};
    std::string lastSource;
};

// Adding.

TEST_F(TrackedFoldersetsTest, AddByIDsNumbersFromZeroWhateverIndexIsPassed) {
    EXPECT_TRUE(AddTripleByIDs(sets, 1, 42));
    EXPECT_EQ(sets.Item(1)->getRegIndex(), 0);
    EXPECT_EQ(sets.nextRegIndex(), 1);
    EXPECT_TRUE(AddTripleByIDs(sets, 2));
    EXPECT_EQ(sets.Item(2)->getRegIndex(), 1);
    EXPECT_EQ(sets.nextRegIndex(), 2);
    EXPECT_EQ(sets.Count(), 2);
}

TEST_F(TrackedFoldersetsTest, SecondFoldersetWithTheSameContactsFolderIsRefused) {
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    const auto lookupsBefore = Lookups();
    // Other journal and e-mails folders do not help; the host is not even asked.
    EXPECT_FALSE(sets.AddByIDs("C1", "S", "J2", "S", "E2", "S", nameSpace));
    EXPECT_EQ(sets.GetFailReason(),
              "A contact folder cannot be assigned to more than one tracked folderset");
    EXPECT_EQ(Lookups(), lookupsBefore);
    EXPECT_EQ(sets.Count(), 1);
    EXPECT_EQ(sets.nextRegIndex(), 1);
}

TEST_F(TrackedFoldersetsTest, OnlyTheSameContactsEntryAndStoreIDsCountAsRepeated) {
    AddFolder("C1", "S2", "Contacts 1 elsewhere");
    AddFolder("C9", "S", "Contacts 9");
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    EXPECT_TRUE(sets.AddByIDs("C1", "S2", "J2", "S", "E2", "S", nameSpace));
    // Journal and e-mails folders may be shared.
    EXPECT_TRUE(sets.AddByIDs("C9", "S", "J1", "S", "E1", "S", nameSpace));
    EXPECT_EQ(sets.Count(), 3);
}

TEST_F(TrackedFoldersetsTest, AnyMissingFolderRefusesWithTheContactFolderTextUntilAnAddSucceeds) {
    int n = 2;
    for (const char* missing : {"C", "J", "E"}) {
        DeleteFolder(missing + std::to_string(n));
        EXPECT_FALSE(AddTripleByIDs(sets, n)) << missing;
        EXPECT_EQ(sets.GetFailReason(), "The specified contact folder was not found") << missing;
        ++n;
    }
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_EQ(sets.nextRegIndex(), 0);
    // A successful add clears the reason of the refused one.
    EXPECT_TRUE(AddTripleByIDs(sets, 1));
    EXPECT_EQ(sets.GetFailReason(), "");
}

TEST_F(TrackedFoldersetsTest, AddStoresACopyNotTheFoldersetItWasGiven) {
    auto given = Triple(1, 0, "C:\\Attach");
    ASSERT_TRUE(sets.Add(given, nameSpace));
    given->SetIDs("X", "X", "X", "X", "X", "X", "X", 0);
    EXPECT_EQ(sets.Item(1)->getContactFoldEntryID(), "C1");
    EXPECT_EQ(sets.Item(1)->getAttachDir(), "C:\\Attach");
}

TEST_F(TrackedFoldersetsTest, AddRaisesTheNextIndexPastAnIndexFurtherAbove) {
    ASSERT_TRUE(sets.Add(Triple(1, 5), nameSpace));
    EXPECT_EQ(sets.nextRegIndex(), 6);
    // A later AddByIDs therefore never meets a key in use.
    EXPECT_TRUE(AddTripleByIDs(sets, 2));
    EXPECT_EQ(sets.Item(2)->getRegIndex(), 6);
    // An index below the counter leaves it alone.
    ASSERT_TRUE(sets.Add(Triple(3, 2), nameSpace));
    EXPECT_EQ(sets.nextRegIndex(), 7);
}

TEST_F(TrackedFoldersetsTest, HighestPossibleIndexOverflowsTheCounterInsteadOfWrapping) {
    errors->actions = {Continue};
    EXPECT_TRUE(sets.Add(Triple(1, std::numeric_limits<std::int32_t>::max()), nameSpace));
    EXPECT_EQ(sets.nextRegIndex(), 0);
    EXPECT_NE(std::find(errors->calls.begin(), errors->calls.end(),
                        "handle 6 TrackedFoldersets.Add b4 s2 f1"),
              errors->calls.end());
}

TEST_F(TrackedFoldersetsTest, RepeatedRegistryIndexFailsAsDuplicateKeyAndStoresNothing) {
    ASSERT_TRUE(sets.Add(Triple(1, 0), nameSpace));
    EXPECT_EQ(FailureOf([&] { sets.Add(Triple(2, 0), nameSpace); }), FailureNumber::DuplicateKey);
    EXPECT_EQ(errors->calls[errors->calls.size() - 3], "handle 457 TrackedFoldersets.Add b4 s2 f1");
    EXPECT_EQ(sets.Count(), 1);
    EXPECT_EQ(sets.nextRegIndex(), 1);

    // Told to go on, Add reports that nothing was stored.
    errors->actions = {Continue};
    EXPECT_FALSE(sets.Add(Triple(2, 0), nameSpace));
    EXPECT_EQ(sets.Count(), 1);
}

// Reading entries.

TEST_F(TrackedFoldersetsTest, ItemOutsideOneToCountFailsWithNineFromTheComponent) {
    EXPECT_EQ(FailureOf([&] { sets.Item(1); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(lastSource, "Parleywick");
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    EXPECT_EQ(FailureOf([&] { sets.Item(0); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { sets.Item(2); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(lastSource, "Parleywick");
    EXPECT_EQ(FailureOf([&] { sets.Item(1); }), 0);
}

TEST_F(TrackedFoldersetsTest, ItemByRegIndexTestsOnlyTheUpperBoundThenTheKey) {
    EXPECT_EQ(FailureOf([&] { sets.ItemByRegIndex(0); }), FailureNumber::SubscriptOutOfRange);
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    ASSERT_TRUE(AddTripleByIDs(sets, 2));
    EXPECT_EQ(sets.ItemByRegIndex(1)->getContactFoldEntryID(), "C2");
    EXPECT_EQ(FailureOf([&] { sets.ItemByRegIndex(3); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(lastSource, "Parleywick");
    // In range but not in use: a missing key of the list.
    EXPECT_EQ(FailureOf([&] { sets.ItemByRegIndex(2); }), FailureNumber::InvalidProcedureCall);
    EXPECT_EQ(FailureOf([&] { sets.ItemByRegIndex(-1); }), FailureNumber::InvalidProcedureCall);
}

TEST_F(TrackedFoldersetsTest, EveryCopyHandedOutIsFreshAndChangingItLeavesTheEntry) {
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    auto first = sets.Item(1);
    auto second = sets.Item(1);
    auto byIndex = sets.ItemByRegIndex(0);
    EXPECT_NE(first.get(), second.get());
    EXPECT_NE(first.get(), byIndex.get());
    first->SetIDs("X", "X", "X", "X", "X", "X", "X", 9);
    byIndex->SetIDs("Y", "Y", "Y", "Y", "Y", "Y", "Y", 9);
    EXPECT_EQ(sets.Item(1)->getContactFoldEntryID(), "C1");
    EXPECT_EQ(sets.ItemByRegIndex(0)->getRegIndex(), 0);
}

TEST_F(TrackedFoldersetsTest, ItemViewShowsTheStoredEntryTracedAndCheckedAsItem) {
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    ASSERT_TRUE(AddTripleByIDs(sets, 2));
    errors->calls.clear();
    const TrackedFolderset& second = sets.ItemView(2);
    EXPECT_EQ(second.getContactFoldEntryID(), "C2");
    EXPECT_EQ(second.getRegIndex(), 1);
    EXPECT_EQ(errors->calls, (std::vector<std::string>{"enter TrackedFoldersets.Item",
                                                       "exit TrackedFoldersets.Item"}));
    // The entry itself, not a copy: what Item hands out next is made from the same texts.
    EXPECT_EQ(&sets.ItemView(2), &second);
    EXPECT_EQ(FailureOf([&] { sets.ItemView(0); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { sets.ItemView(3); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(lastSource, "Parleywick");
}

// Item hands back nothing past a continued range failure; ItemView, which must show an entry,
// then fails with nothing to show. Each takes the protocol once.
TEST_F(TrackedFoldersetsTest, ItemAndItemViewPastAContinuedRangeFailure) {
    const std::vector<std::string> protocol{"enter TrackedFoldersets.Item",
                                            "handle 9 TrackedFoldersets.Item b4 s2 f1",
                                            "exit TrackedFoldersets.Item"};
    errors->actions = {Continue};
    EXPECT_EQ(sets.Item(1), nullptr);
    EXPECT_EQ(errors->calls, protocol);
    errors->calls.clear();
    errors->actions = {Continue};
    EXPECT_EQ(FailureOf([&] { sets.ItemView(1); }), FailureNumber::ObjectNotSet);
    EXPECT_EQ(errors->calls, protocol);
}

// Removing.

TEST_F(TrackedFoldersetsTest, CountIsZeroOnANewCollectionAfterClearAndAfterTheLastRemoval) {
    sets.Remove(Triple(1));  // nothing to remove: no failure either
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_EQ(HandledFailures(), 0);
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    sets.Clear();
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_EQ(sets.nextRegIndex(), 1);  // Clear keeps the counter
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    sets.Remove(Triple(1));
    EXPECT_EQ(sets.Count(), 0);
    // The list is gone, not just empty: Item fails as on a new collection.
    EXPECT_EQ(FailureOf([&] { sets.Item(1); }), FailureNumber::SubscriptOutOfRange);
}

TEST_F(TrackedFoldersetsTest, RemoveMatchesOnFoldersAndAttachDirNotOnIndex) {
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    ASSERT_TRUE(AddTripleByIDs(sets, 2));
    sets.Remove(Triple(2, 77, "other dir"));  // attachment directory differs: no match
    EXPECT_EQ(sets.Count(), 2);
    sets.Remove(Triple(2, 77));
    ASSERT_EQ(sets.Count(), 1);
    EXPECT_EQ(sets.Item(1)->getContactFoldEntryID(), "C1");
}

TEST_F(TrackedFoldersetsTest, ARemovedFoldersetMayBeAddedAgainWhileOthersStay) {
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(AddTripleByIDs(sets, n));
    }
    // Another entry stays each time, so the contacts folder is forgotten one by one, not with
    // the whole collection.
    sets.Remove(sets.Item(1));
    EXPECT_TRUE(AddTripleByIDs(sets, 1)) << sets.GetFailReason();
    sets.RemoveByRegIndex(1);
    EXPECT_TRUE(AddTripleByIDs(sets, 2)) << sets.GetFailReason();
    EXPECT_EQ(sets.Count(), 3);
}

TEST_F(TrackedFoldersetsTest, RemoveByRegIndexRemovesExactlyThatEntry) {
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(AddTripleByIDs(sets, n));
    }
    sets.RemoveByRegIndex(1);
    ASSERT_EQ(sets.Count(), 2);
    EXPECT_EQ(sets.Item(1)->getRegIndex(), 0);
    EXPECT_EQ(sets.Item(2)->getRegIndex(), 2);
    EXPECT_EQ(FailureOf([&] { sets.RemoveByRegIndex(1); }), FailureNumber::InvalidProcedureCall);
    EXPECT_EQ(sets.Count(), 2);
}

// Copying.

TEST_F(TrackedFoldersetsTest, CopyFromKeepsIndexesAndTheSourceCounter) {
    auto source = std::make_shared<TrackedFoldersets>(component);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(AddTripleByIDs(*source, n));
    }
    source->RemoveByRegIndex(0);
    ASSERT_TRUE(AddTripleByIDs(sets, 4));
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    ASSERT_TRUE(AddTripleByIDs(sets, 2));
    ASSERT_TRUE(AddTripleByIDs(sets, 3));

    EXPECT_EQ(sets.CopyFrom(source, nameSpace), "True");
    ASSERT_EQ(sets.Count(), 2);
    EXPECT_EQ(sets.ItemByRegIndex(1)->getContactFoldEntryID(), "C2");
    EXPECT_EQ(sets.ItemByRegIndex(2)->getContactFoldEntryID(), "C3");
    EXPECT_EQ(sets.nextRegIndex(), 3);  // lowered from 4 to the source's
}

TEST_F(TrackedFoldersetsTest, CopyFromGoesPastARefusedFoldersetAndOwesItsRecoveryRecord) {
    auto source = std::make_shared<TrackedFoldersets>(component);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(AddTripleByIDs(*source, n));
    }
    DeleteFolder("J2");
    EXPECT_EQ(sets.CopyFrom(source, nameSpace), "");
    ASSERT_EQ(sets.Count(), 2);
    EXPECT_EQ(sets.Item(1)->getContactFoldEntryID(), "C1");
    EXPECT_EQ(sets.Item(2)->getContactFoldEntryID(), "C3");
    EXPECT_EQ(sets.Item(2)->getRegIndex(), 2);
    EXPECT_EQ(source->Count(), 3);
    // The copy writes nothing; the refused one waits for its owner's next save.
    const auto unkept = sets.TakeUnkept();
    ASSERT_EQ(unkept.size(), 1u);
    EXPECT_EQ(unkept[0].IDs[0], "C2");
    EXPECT_EQ(unkept[0].Position, 2);
    EXPECT_EQ(unkept[0].Reason, "The specified contact folder was not found");
    EXPECT_TRUE(sets.TakeUnkept().empty());
    EXPECT_TRUE(store().Dump().empty());
}

TEST_F(TrackedFoldersetsTest, CopyFromNothingFailsThroughTheProtocolAfterClearing) {
    ASSERT_TRUE(AddTripleByIDs(sets, 1));
    EXPECT_EQ(FailureOf([&] { sets.CopyFrom(nullptr, nameSpace); }), FailureNumber::ObjectNotSet);
    EXPECT_EQ(sets.Count(), 0);
}

}  // namespace
}  // namespace pwk
