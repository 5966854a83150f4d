#include "src/tracking/TrackedFolderset.h"

#include "sim/HostError.h"
#include "src/host/MAPIFolder.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

class TrackedFoldersetTest : public test::TrackingTestBase {};

TEST_F(TrackedFoldersetTest, AllThreeFoldersAreLookedUpEveryTimeNeverCached) {
    AddTriple(1);
    AddTriple(2);
    auto folderset = Triple(1);
    EXPECT_TRUE(folderset->MAPIFoldersExist(nameSpace));
    DeleteFolder("C1");
    EXPECT_EQ(folderset->ContactMAPIFolder(nameSpace), nullptr);
    // A missing folder does not spare the lookups of the others.
    DeleteFolder("E2");
    const auto before = Lookups();
    EXPECT_FALSE(Triple(2)->MAPIFoldersExist(nameSpace));
    EXPECT_EQ(Lookups() - before, 3);
}

TEST_F(TrackedFoldersetTest, AFolderTheHostCannotFindIsNothingAndItsFailureIsRecorded) {
    auto empty = std::make_shared<TrackedFolderset>(component);
    EXPECT_EQ(empty->ContactMAPIFolder(nameSpace), nullptr);
    ASSERT_TRUE(errors->recorded);
    EXPECT_EQ(errors->recorded->Number, sim::HostError::NotFound);
    EXPECT_EQ(HandledFailures(), 0);
    EXPECT_THROW(empty->ContactFolderName(nameSpace), Failure);
}

TEST_F(TrackedFoldersetTest, EqualsComparesTextsExactlyAndIgnoresTheRegistryIndex) {
    EXPECT_TRUE(Triple(1, 0, "D")->Equals(Triple(1, 7, "D")));
    EXPECT_FALSE(Triple(1, 0, "D")->Equals(Triple(1, 0, "d")));
    auto lower = std::make_shared<TrackedFolderset>(component);
    lower->SetIDs("c1", "S", "J1", "S", "E1", "S", "", 0);
    EXPECT_FALSE(Triple(1)->Equals(lower));
    auto padded = std::make_shared<TrackedFolderset>(component);
    padded->SetIDs("C1", "S", "J1", "S", "E1", "S ", "", 0);
    EXPECT_FALSE(Triple(1)->Equals(padded));
}

}  // namespace
}  // namespace pwk
