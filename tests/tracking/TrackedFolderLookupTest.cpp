// The tracked-folder questions over two tracked foldersets (triples 1 and 2): a folder must
// be a folderset's contacts folder in every identifier, the search stops at the first match,
// and a folderset that cannot be resolved is the error library's to judge.
#include "src/tracking/TrackedFolderLookup.h"

#include "sim/SimItemState.h"
#include "src/host/ContactItem.h"
#include "src/host/MAPIFolder.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

constexpr const char* kModule = "PWKAddinApp";

class TrackedFolderLookupTest : public test::TrackingTestBase {
  protected:
    TrackedFolderLookupTest() {
        for (int n = 1; n <= 3; ++n) {
            AddTriple(n);
        }
        settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
        for (const char* n : {"1", "2"}) {
            const std::string id = n;
            settings->TrackedFoldersets()->AddByIDs("C" + id, "S", "J" + id, "S", "E" + id, "S",
                                                    nameSpace);
        }
    }

    Ref<host::MAPIFolder> Folder(const std::string& path) const { return host.Folder(path); }
    Ref<host::ContactItem> ContactIn(const std::string& path) {
        return As<host::ContactItem>(
            host.PutItem(path, host::ItemType::Contact, {{"FullName", "Ann Archer"}})->AsItem());
    }
    // The error library's reports, as "handle <number> <module>.<procedure> b<boundary>
    // s<severity>".
    std::vector<std::string> Handled() const {
        std::vector<std::string> handled;
        for (const auto& call : errors->calls) {
            if (call.rfind("handle ", 0) == 0) {
                handled.push_back(call.substr(0, call.rfind(" f")));
            }
        }
        return handled;
    }

    std::shared_ptr<RegSettings> settings = std::make_shared<RegSettings>(component);
    TrackedFolderLookup lookup{component, kModule, settings, nameSpace};
};

// Is the folder tracked?

TEST_F(TrackedFolderLookupTest, AFoldersetsContactsFolderIsTrackedItsOtherFoldersAreNot) {
    EXPECT_TRUE(lookup.IsTrackedFolder(Folder("S/Contacts 2")));
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S/Journal 1")));
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S/Contacts 3")));
    EXPECT_TRUE(Handled().empty());
}

TEST_F(TrackedFolderLookupTest, TheSameNameAndEntryIDInAnotherStoreIsNotTracked) {
    AddFolder("C1", "S2", "Contacts 1");
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S2/Contacts 1")));
}

TEST_F(TrackedFolderLookupTest, TheSearchStopsAtTheFirstMatch) {
    const auto before = Lookups();
    EXPECT_TRUE(lookup.IsTrackedFolder(Folder("S/Contacts 1")));
    EXPECT_EQ(Lookups() - before, 1);
}

TEST_F(TrackedFolderLookupTest, NoCollectionTracksNothingAndAsksTheHostNothing) {
    settings->SetTrackedFoldersets(nullptr);
    const auto before = Lookups();
    EXPECT_FALSE(lookup.IsTrackedFolder(Folder("S/Contacts 1")));
    EXPECT_EQ(Lookups(), before);
    EXPECT_TRUE(Handled().empty());
}

TEST_F(TrackedFolderLookupTest, AFoldersetWhoseContactsFolderIsGoneFailsTheSearch) {
    DeleteFolder("C1");
    // Given up: the failure passes on, as any of the owner's procedures on boundary 4.
    EXPECT_EQ(test::FailureOf([&] { lookup.IsTrackedFolder(Folder("S/Contacts 2")); }),
              FailureNumber::ObjectNotSet);
    EXPECT_EQ(Handled(), std::vector<std::string>{"handle 91 PWKAddinApp.IsTrackedFolder b4 s1"});
    // Going on, the next folderset still answers.
    errors->actions = {Continue};
    EXPECT_TRUE(lookup.IsTrackedFolder(Folder("S/Contacts 2")));
}

TEST_F(TrackedFolderLookupTest, MissingSettingsAreObjectNotSetInTheQuestionsOwnProcedure) {
    TrackedFolderLookup orphan{component, kModule, nullptr, nameSpace};
    errors->actions = {Continue, Continue};
    EXPECT_FALSE(orphan.IsTrackedFolder(Folder("S/Contacts 1")));
    EXPECT_FALSE(orphan.GetTrackedFoldersetForContact(ContactIn("S/Contacts 1")));
    EXPECT_EQ(Handled(), (std::vector<std::string>{
                             "handle 91 PWKAddinApp.IsTrackedFolder b4 s1",
                             "handle 91 PWKAddinApp.GetTrackedFoldersetForContact b4 s2"}));
}

// Which folderset holds the contact?

TEST_F(TrackedFolderLookupTest, AContactFindsTheFoldersetOfItsFolderAndNoOther) {
    const auto before = Lookups();
    const auto folderset = lookup.GetTrackedFoldersetForContact(ContactIn("S/Contacts 1"));
    ASSERT_TRUE(folderset);
    EXPECT_EQ(folderset->getJournFoldEntryID(), "J1");
    EXPECT_EQ(folderset->getRegIndex(), 0);
    EXPECT_EQ(Lookups() - before, 1);
    EXPECT_EQ(lookup.GetTrackedFoldersetForContact(ContactIn("S/Contacts 2"))->getRegIndex(), 1);
}

TEST_F(TrackedFolderLookupTest, AContactInNoTrackedFolderFindsNothingAndClearsTheActivity) {
    AddFolder("C2", "S2", "Contacts 2");
    for (const char* path : {"S/Contacts 3", "S2/Contacts 2"}) {
        errors->activity = "Couldn't create new phone call for contact \"Ann Archer\".";
        EXPECT_FALSE(lookup.GetTrackedFoldersetForContact(ContactIn(path))) << path;
        EXPECT_EQ(errors->activity, "") << path;
    }
    EXPECT_FALSE(lookup.GetTrackedFoldersetForContact(nullptr));
    EXPECT_TRUE(Handled().empty());
}

TEST_F(TrackedFolderLookupTest,
       AContactFoldersetThatCannotBeResolvedIsPassedOverWhenTheLibrarySays) {
    DeleteFolder("C1");
    errors->actions = {Continue};
    const auto folderset = lookup.GetTrackedFoldersetForContact(ContactIn("S/Contacts 2"));
    ASSERT_TRUE(folderset);
    EXPECT_EQ(folderset->getContactFoldEntryID(), "C2");
    EXPECT_EQ(Handled(), std::vector<std::string>{
                             "handle 91 PWKAddinApp.GetTrackedFoldersetForContact b4 s2"});
}

}  // namespace
}  // namespace pwk
