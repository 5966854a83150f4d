#include "src/tracking/TrackedFolderset.h"

#include "src/host/MAPIFolder.h"
#include "tests/tracking/TrackingTestBase.h"

namespace pwk {
namespace {

class TrackedFoldersetTest : public test::TrackingTestBase {};

TEST_F(TrackedFoldersetTest, FindsEachFolderByItsOwnIdentifierPair) {
    AddTriple(1);
    auto folderset = Triple(1);
    EXPECT_EQ(folderset->ContactFolderName(nameSpace), "Contacts 1");
    EXPECT_EQ(folderset->JournalFolderName(nameSpace), "Journal 1");
    EXPECT_EQ(folderset->EmailFolderName(nameSpace), "Emails 1");
    EXPECT_EQ(folderset->EmailMAPIFolder(nameSpace)->EntryID(), "E1");
    EXPECT_TRUE(folderset->MAPIFoldersExist(nameSpace));
}

TEST_F(TrackedFoldersetTest, AsksTheHostAgainOnEveryAccess) {
    AddTriple(1);
    auto folderset = Triple(1);
    EXPECT_TRUE(folderset->MAPIFoldersExist(nameSpace));
    EXPECT_EQ(nameSpace->lookups, 3);
    nameSpace->DeleteFolder("C1", "S");
    EXPECT_EQ(folderset->ContactMAPIFolder(nameSpace), nullptr);
    EXPECT_EQ(nameSpace->lookups, 4);
}

TEST_F(TrackedFoldersetTest, AnyMissingFolderMeansNotAllExistButAllThreeAreLookedUp) {
    for (const char* missing : {"C1", "E1"}) {
        AddTriple(1);
        nameSpace->DeleteFolder(missing, "S");
        nameSpace->lookups = 0;
        EXPECT_FALSE(Triple(1)->MAPIFoldersExist(nameSpace)) << missing;
        EXPECT_EQ(nameSpace->lookups, 3) << missing;
    }
}

TEST_F(TrackedFoldersetTest, UnresolvableFolderIsNothingAndItsLookupFailureIsRecorded) {
    auto empty = std::make_shared<TrackedFolderset>(component);
    EXPECT_EQ(empty->ContactMAPIFolder(nameSpace), nullptr);
    ASSERT_TRUE(errors->recorded);
    EXPECT_EQ(errors->recorded->Number, test::FakeNamespace::NotFound);
    // The empty store identifier still reaches the host.
    EXPECT_EQ(nameSpace->lookups, 1);
    EXPECT_EQ(nameSpace->lastStoreId, "");
    EXPECT_EQ(HandledFailures(), 0);
    EXPECT_EQ(errors->calls,
              (std::vector<std::string>{"enter TrackedFolderset.GetMAPIFolderFromIDs",
                                        "exit TrackedFolderset.GetMAPIFolderFromIDs"}));
}

TEST_F(TrackedFoldersetTest, SuccessfulLookupRecordsThatNothingFailed) {
    AddTriple(1);
    errors->recorded = Failure(5, "stale");
    Triple(1)->ContactMAPIFolder(nameSpace);
    EXPECT_FALSE(errors->recorded);
}

TEST_F(TrackedFoldersetTest, NoNamespaceGivesNothingRatherThanAFailure) {
    EXPECT_FALSE(Triple(1)->MAPIFoldersExist(nullptr));
    ASSERT_TRUE(errors->recorded);
    EXPECT_EQ(errors->recorded->Number, FailureNumber::ObjectNotSet);
}

TEST_F(TrackedFoldersetTest, NameOfAMissingFolderFailsToTheCaller) {
    auto empty = std::make_shared<TrackedFolderset>(component);
    for (auto name : {&TrackedFolderset::ContactFolderName, &TrackedFolderset::JournalFolderName,
                      &TrackedFolderset::EmailFolderName}) {
        try {
            ((*empty).*name)(nameSpace);
            FAIL() << "a missing folder has no name";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number, FailureNumber::ObjectNotSet);
        }
    }
}

TEST_F(TrackedFoldersetTest, EqualsComparesTextsExactlyAndIgnoresTheRegistryIndex) {
    EXPECT_TRUE(Triple(1, 0, "D")->Equals(Triple(1, 7, "D")));
    EXPECT_FALSE(Triple(1, 0, "D")->Equals(Triple(1, 0, "d")));
    EXPECT_FALSE(Triple(1)->Equals(Triple(2)));

    auto lower = std::make_shared<TrackedFolderset>(component);
    lower->SetIDs("c1", "S", "J1", "S", "E1", "S", "", 0);
    EXPECT_FALSE(Triple(1)->Equals(lower));
    auto padded = std::make_shared<TrackedFolderset>(component);
    padded->SetIDs("C1", "S", "J1", "S", "E1", "S ", "", 0);
    EXPECT_FALSE(Triple(1)->Equals(padded));
}

TEST_F(TrackedFoldersetTest, CopyFromCarriesEverythingIncludingIndexAndAttachDir) {
    auto source = std::make_shared<TrackedFolderset>(component);
    source->SetIDs("ce", "cs", "je", "js", "ee", "es", "C:\\Attach", 12);
    TrackedFolderset copy(component);
    copy.CopyFrom(source);
    EXPECT_EQ(copy.getContactFoldEntryID(), "ce");
    EXPECT_EQ(copy.getContactFoldStoreID(), "cs");
    EXPECT_EQ(copy.getJournFoldEntryID(), "je");
    EXPECT_EQ(copy.getJournFoldStoreID(), "js");
    EXPECT_EQ(copy.getEmailFoldEntryID(), "ee");
    EXPECT_EQ(copy.getEmailFoldStoreID(), "es");
    EXPECT_EQ(copy.getAttachDir(), "C:\\Attach");
    EXPECT_EQ(copy.getRegIndex(), 12);
}

TEST_F(TrackedFoldersetTest, NothingToCopyOrCompareFailsWithObjectNotSet) {
    TrackedFolderset folderset(component);
    EXPECT_THROW(folderset.CopyFrom(nullptr), Failure);
    EXPECT_THROW(folderset.Equals(nullptr), Failure);
}

}  // namespace
}  // namespace pwk
