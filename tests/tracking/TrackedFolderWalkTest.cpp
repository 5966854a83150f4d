// The walk behind "is this folder tracked" asks the host for every folderset's contacts
// folder up to the match, but compares identifiers exactly: a folder whose EntryID differs
// from a tracked one only in letter case is another folder.
#include <gtest/gtest.h>

#include "src/host/MAPIFolder.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFolderLookup.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

class TrackedFolderWalkTest : public test::TrackingTestBase {
  protected:
    TrackedFolderWalkTest() {
        settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
        for (int n = 1; n <= 3; ++n) {
            AddTriple(n);
            const std::string id = std::to_string(n);
            settings->TrackedFoldersets()->AddByIDs("C" + id, "S", "J" + id, "S", "E" + id, "S",
                                                    nameSpace);
        }
        host.AddFolder("S", "Copies", host::ItemType::Mail);
    }

    Ref<host::MAPIFolder> Folder(const std::string& path) const { return host.Folder(path); }

    std::shared_ptr<RegSettings> settings = std::make_shared<RegSettings>(component);
    TrackedFolderLookup lookup{component, "PWKAddinApp", settings, nameSpace};
};

TEST_F(TrackedFolderWalkTest, AnEntryIDThatDiffersOnlyInLetterCaseIsAnotherFolder) {
    host.AddFolder("S/Copies", "Contacts 2", host::ItemType::Contact)->SetEntryId("c2");
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S/Copies/Contacts 2")));
    EXPECT_TRUE(lookup.IsTrackedFolder(Folder("S/Contacts 2")));
    EXPECT_EQ(HandledFailures(), 0);
}

TEST_F(TrackedFolderWalkTest, AFolderOfAnotherNameUnderATrackedEntryIDIsNotTracked) {
    host.AddFolder("S/Copies", "Customers", host::ItemType::Contact)->SetEntryId("C2");
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S/Copies/Customers")));
}

TEST_F(TrackedFolderWalkTest, EveryFoldersetUpToTheMatchIsAskedForAndNoneAfterIt) {
    auto before = Lookups();
    EXPECT_TRUE(lookup.IsTrackedFolder(Folder("S/Contacts 2")));
    EXPECT_EQ(Lookups() - before, 2);
    before = Lookups();
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S/Journal 3")));
    EXPECT_EQ(Lookups() - before, 3);
}

TEST_F(TrackedFolderWalkTest, AGoneContactsFolderAfterTheMatchDoesNotMatter) {
    DeleteFolder("C3");
    EXPECT_TRUE(lookup.IsTrackedFolder(Folder("S/Contacts 2")));
    EXPECT_EQ(HandledFailures(), 0);
}

TEST_F(TrackedFolderWalkTest, AFolderWhoseEntryIDCouldNotBeReadOnceIsFoundWhenTheLibrarySaysGoOn) {
    const auto contacts = Folder("S/Contacts 2");
    host.Faults().FailMember("MAPIFolder.EntryID", 5, 1);
    errors->actions = {Continue};
    EXPECT_TRUE(lookup.IsTrackedFolder(contacts));
    EXPECT_EQ(HandledFailures(), 1);
}

}  // namespace
}  // namespace pwk
