// Finding tracked contacts by address and a contact's address for a new mail, on the simulated
// host. The sender of a received mail, from the messaging library, is log-incoming.scenario's
// and ContactActionsTest's (no sender, no library).
#include <gtest/gtest.h>

#include "sim/FaultInjector.h"
#include "src/host/NameSpace.h"
#include "src/journal/ContactLookup.h"
#include "tests/support/JournalHarness.h"

namespace pwk {
namespace {

class ContactLookup : public ::testing::Test {
  protected:
    Ref<host::ContactItem> Find(const std::string& address, std::int32_t& index) {
        return PWKGlobal::FindPubContactByEmail(
            harness.component, nameSpace, harness.App()->theRegSettings()->TrackedFoldersets(),
            address, index);
    }
    static std::string NameOf(const Ref<host::ContactItem>& contact) {
        return contact ? contact->FullName() : "(nothing)";
    }

    test::JournalHarness harness;
    Ref<host::NameSpace> nameSpace = harness.host.Application()->GetNamespace("MAPI");
};

TEST_F(ContactLookup, WithoutFoldersetsNothingIsFoundAndTheIndexIsLeftAlone) {
    harness.PutContact("Public/Customers/Contacts", "Ann Archer", {{"Email1Address", "ann@a.ex"}});
    std::int32_t index = 7;
    EXPECT_FALSE(Find("ann@a.ex", index));
    EXPECT_EQ(index, 7);
}

TEST_F(ContactLookup, TheLastFoldersetWinsAndWithinAFolderTheFirstFieldWins) {
    harness.Track("Public/Customers");
    harness.Track("Public/Partners");
    const std::string customers = "Public/Customers/Contacts";
    harness.PutContact(customers, "Ann Archer", {{"Email1Address", "shared@x.ex"}});
    harness.PutContact("Public/Partners/Contacts", "Bo Berg", {{"Email3Address", "shared@x.ex"}});
    // Carl has it second and comes first in the folder; Dora has it first.
    harness.PutContact(customers, "Carl Cole", {{"Email2Address", "team@y.ex"}});
    harness.PutContact(customers, "Dora Dunn", {{"Email1Address", "team@y.ex"}});

    std::int32_t index = 0;
    EXPECT_EQ(NameOf(Find("shared@x.ex", index)), "Bo Berg");
    EXPECT_EQ(index, 2);
    EXPECT_EQ(NameOf(Find("team@y.ex", index)), "Dora Dunn");
    EXPECT_EQ(index, 1);
    index = 5;
    EXPECT_FALSE(Find("nobody@z.ex", index));
    EXPECT_EQ(index, 5);
}

TEST_F(ContactLookup, EveryFieldIsAskedOfFreshItemsAndEveryFoldersetIsSearched) {
    harness.Track("Public/Customers");
    harness.Track("Public/Partners");
    harness.PutContact("Public/Customers/Contacts", "Ann Archer", {{"Email2Address", "a@a.ex"}});
    auto& faults = harness.host.Faults();
    faults.StartLog();
    std::int32_t index = 0;
    Find("a@a.ex", index);
    const std::vector<std::string> expected = {
        "NameSpace.GetFolderFromID",
        "MAPIFolder.Items",
        "Items.Find",
        "MAPIFolder.Items",
        "Items.Find",  // found on the second field: the third is not asked
        "NameSpace.GetFolderFromID",
        "MAPIFolder.Items",
        "Items.Find",
        "MAPIFolder.Items",
        "Items.Find",
        "MAPIFolder.Items",
        "Items.Find"};
    EXPECT_EQ(faults.TakeLog(), expected);
}

TEST_F(ContactLookup, TheFirstNonEmptyAddressIsTakenAndBlanksCountAsFilledIn) {
    auto third = harness.PutContact("Mailbox/Contacts", "Ann", {{"Email3Address", "third@a.ex"}});
    auto blank = harness.PutContact("Mailbox/Contacts", "Bo",
                                    {{"Email1Address", " "}, {"Email2Address", "b@b.ex"}});
    auto none = harness.PutContact("Mailbox/Contacts", "Cy");
    EXPECT_EQ(PWKGlobal::GetFirstEmailAddress(harness.component, third), "third@a.ex");
    EXPECT_EQ(PWKGlobal::GetFirstEmailAddress(harness.component, blank), " ");
    EXPECT_EQ(PWKGlobal::GetFirstEmailAddress(harness.component, none), "");
}

}  // namespace
}  // namespace pwk
