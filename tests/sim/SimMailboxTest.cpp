#include <gtest/gtest.h>

#include <cctype>

#include "sim/HostError.h"
#include "src/host/Application.h"
#include "src/host/ContactItem.h"
#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "src/host/Items.h"
#include "src/host/Links.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Recipients.h"
#include "src/util/Ref.h"
#include "tests/sim/SimTestMailbox.h"

namespace pwk::sim {
namespace {

using test::FailureOf;

class SimMailboxTest : public ::testing::Test {
  protected:
    SimMailboxTest() { test::FillMailbox(host); }

    std::shared_ptr<host::Items> Contacts() {
        return host.Folder(test::PublicContacts)->GetItems();
    }

    SimHost host;
};

TEST_F(SimMailboxTest, TheSameWindowFolderAndItemAreHandedOutEachTime) {
    std::shared_ptr<host::Explorer> explorer = host.OpenExplorer(test::PublicContacts);
    auto contact = test::PutContact(host, "Ann Lee", "ann@initech.example");
    auto app = host.Application();
    auto ns = app->GetNamespace("MAPI");
    auto folder = host.Folder(test::PublicContacts);

    EXPECT_EQ(app->GetExplorers()->Item(1), explorer);
    EXPECT_EQ(explorer->CurrentFolder(), ns->GetFolderFromID(folder->EntryID(), folder->StoreID()));
    EXPECT_EQ(folder->GetItems(), folder->GetItems());
    EXPECT_EQ(folder->GetItems()->Item(1), Contacts()->Find("[FullName] = \"Ann Lee\""));
    EXPECT_EQ(explorer->GetCommandBars()->Item("Standard"),
              explorer->GetCommandBars()->Item("Standard"));
    EXPECT_EQ(ns->GetDefaultFolder(host::DefaultFolder::Inbox),
              host.Folder("Mailbox - Pat Jones/Inbox"));
}

TEST_F(SimMailboxTest, CollectionsCountFromOneAndFailOutsideWithNine) {
    std::shared_ptr<host::Explorer> explorer = host.OpenExplorer();
    test::PutContact(host, "Ann Lee", "ann@initech.example");
    auto mail = host.ComposeMail("x");
    auto mailItem = As<host::MailItem>(mail->AsItem());
    mailItem->GetRecipients()->Add("ann@initech.example");
    auto explorers = host.Application()->GetExplorers();

    EXPECT_EQ(explorers->Item(1), explorer);
    EXPECT_EQ(FailureOf([&] { explorers->Item(0); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { explorers->Item(2); }), FailureNumber::SubscriptOutOfRange);
    EXPECT_EQ(FailureOf([&] { host.Application()->GetInspectors()->Item(2); }), 9);
    EXPECT_EQ(FailureOf([&] { Contacts()->Item(2); }), 9);
    EXPECT_EQ(FailureOf([&] { mailItem->GetRecipients()->Item(2); }), 9);
    EXPECT_EQ(FailureOf([&] { mailItem->GetLinks()->Item(1); }), 9);
    EXPECT_EQ(FailureOf([&] { explorer->GetSelection()->Item(1); }), 9);
    EXPECT_EQ(FailureOf([&] { explorer->GetCommandBars()->Item("Formatting"); }), 5);
}

// On any text field: the indexed addresses and the others, which are scanned.
TEST_F(SimMailboxTest, FindMatchesWholeValuesIgnoringLetterCase) {
    test::PutContact(host, "Ann Lee", "ann@initech.example");
    auto second = test::PutContact(host, "Bob Ray", "bob@initech.example");
    second->SetTextField("Body", "met at the fair");

    EXPECT_NE(Contacts()->Find("[Email1Address] = \"ann@initech.example\""), nullptr);
    EXPECT_NE(Contacts()->Find("[Email1Address] = \"Ann@INITECH.example\""), nullptr);
    EXPECT_EQ(Contacts()->Find("[Email1Address] = \"ann@initech.example \""), nullptr);
    EXPECT_EQ(Contacts()->Find("[Email1Address] = \"ann@initech\""), nullptr);
    EXPECT_EQ(Contacts()->Find("[Email2Address] = \"ann@initech.example\""), nullptr);
    EXPECT_NE(Contacts()->Find("[Email1Address]='ann@initech.example'"), nullptr);
    EXPECT_EQ(Contacts()->Find("[Body] = \"Met at the Fair\""), second->AsItem());
    EXPECT_EQ(Contacts()->Find("[Subject] = \"nothing\""), nullptr);
}

TEST_F(SimMailboxTest, FindReturnsTheFirstMatchInFolderOrderAndFollowsChanges) {
    auto first = test::PutContact(host, "Ann Lee", "shared@initech.example");
    auto second = test::PutContact(host, "Bob Ray", "shared@initech.example");
    const std::string filter = "[Email1Address] = \"shared@initech.example\"";

    EXPECT_EQ(Contacts()->Find(filter), first->AsItem());
    second->SetTextField("Email1Address", "Shared@Initech.example");
    EXPECT_EQ(Contacts()->Find(filter), first->AsItem());
    first->SetTextField("Email1Address", "ann@initech.example");
    EXPECT_EQ(Contacts()->Find(filter), second->AsItem());
    first->SetTextField("Email1Address", "shared@initech.example");
    EXPECT_EQ(Contacts()->Find(filter), first->AsItem());
    first->DeleteNow();
    EXPECT_EQ(Contacts()->Find(filter), second->AsItem());
}

TEST_F(SimMailboxTest, FindRejectsUnknownFieldsAndOtherForms) {
    for (const char* filter :
         {"[Emial1Address] = \"a\"", "[Start] = \"a\"", "Email1Address = \"a\"",
          "[Email1Address] = a", "[Email1Address] \"a\"", "[Email1Address] = \"a"}) {
        EXPECT_EQ(FailureOf([&] { Contacts()->Find(filter); }), HostError::ConditionNotValid)
            << filter;
    }
}

TEST_F(SimMailboxTest, AddGivesTheFolderDefaultTypeUnlessAskedAndSavesOnlyOnSave) {
    auto journal = host.Folder("Acme Public/Customers/Journal")->GetItems();
    auto entry = journal->Add();
    auto appointment = journal->Add(host::ItemType::Appointment);

    EXPECT_EQ(entry->TypeName(), "JournalItem");
    EXPECT_EQ(appointment->TypeName(), "AppointmentItem");
    EXPECT_EQ(journal->Count(), 0);
    EXPECT_EQ(entry->EntryID(), "");
    entry->Save();
    EXPECT_EQ(journal->Count(), 1);
    EXPECT_NE(entry->EntryID(), "");
}

TEST_F(SimMailboxTest, CopyMakesASavedItemInTheSameFolderAndMoveKeepsTheObject) {
    auto inbox = host.Folder("Mailbox - Pat Jones/Inbox");
    auto received = host.DeliverMail({"Ann Lee", "ann@initech.example", "Hello", "Hi"});
    auto mail = As<host::MailItem>(received->AsItem());

    auto copy = mail->Copy();
    EXPECT_NE(copy, mail);
    EXPECT_EQ(copy->Parent(), inbox);
    EXPECT_EQ(copy->Subject(), "Hello");
    EXPECT_NE(copy->EntryID(), mail->EntryID());
    EXPECT_EQ(inbox->GetItems()->Count(), 2);

    auto emails = host.Folder("Acme Public/Customers/E-mails");
    EXPECT_EQ(copy->Move(emails), copy);
    EXPECT_EQ(copy->Parent(), emails);
    EXPECT_EQ(inbox->GetItems()->Count(), 1);
    EXPECT_EQ(emails->GetItems()->Item(1), copy);
}

TEST_F(SimMailboxTest, DeletedItemsAndFoldersFail) {
    auto contact = test::PutContact(host, "Ann Lee", "ann@initech.example");
    auto item = As<host::ContactItem>(contact->AsItem());
    auto journal = host.Folder("Acme Public/Customers/Journal");
    const std::string id = journal->EntryID();
    const std::string store = journal->StoreID();
    auto ns = host.Application()->GetNamespace("MAPI");

    item->Delete();
    host.DeleteFolder("Acme Public/Customers/Journal");

    EXPECT_EQ(FailureOf([&] { item->FullName(); }), HostError::ItemDeleted);
    EXPECT_EQ(FailureOf([&] { journal->Name(); }), HostError::NotFound);
    EXPECT_EQ(FailureOf([&] { ns->GetFolderFromID(id, store); }), HostError::NotFound);
}

TEST_F(SimMailboxTest, GetFolderFromIDComparesBothIdentifiersExactly) {
    auto folder = host.Folder(test::PublicContacts);
    auto ns = host.Application()->GetNamespace("MAPI");
    std::string lower = folder->EntryID();
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string otherStore = host.Folder(test::Personal)->StoreID();

    EXPECT_EQ(ns->GetFolderFromID(folder->EntryID(), ""), folder);
    EXPECT_EQ(FailureOf([&] { ns->GetFolderFromID(folder->EntryID(), otherStore); }),
              HostError::NotFound);
    EXPECT_EQ(FailureOf([&] { ns->GetFolderFromID(folder->EntryID(), "0000ABCD"); }),
              HostError::NotFound);
    EXPECT_EQ(FailureOf([&] { ns->GetFolderFromID(lower, folder->StoreID()); }),
              HostError::NotFound);
    EXPECT_EQ(FailureOf([&] { ns->GetFolderFromID("", ""); }), HostError::NotFound);
}

TEST_F(SimMailboxTest, GetFolderFromIDAnswersTheFirstFolderOfAnEntryIDInWalkOrder) {
    // Two folders of two stores given one EntryID (a mailbox file may do so): without a StoreID
    // the first in store order answers, with one the folder of that store; after a change of
    // the tree the look-up sees the folders as they are now.
    auto first = host.AddFolder(test::Personal, "Twin", host::ItemType::Contact);
    auto second = host.Folder(test::PublicContacts);
    auto ns = host.Application()->GetNamespace("MAPI");
    const std::string id = first->EntryID();
    second->SetEntryId(id);
    EXPECT_EQ(ns->GetFolderFromID(id, ""), first);
    EXPECT_EQ(ns->GetFolderFromID(id, second->StoreID()), second);
    first->SetEntryId("00000000AB");
    EXPECT_EQ(ns->GetFolderFromID(id, ""), second);
    EXPECT_EQ(ns->GetFolderFromID("00000000AB", ""), first);
    // Many folders: each is found by its own EntryID.
    std::vector<std::shared_ptr<SimFolder>> many;
    for (int i = 0; i < 300; ++i) {
        many.push_back(
            host.AddFolder(test::Personal, "Many " + std::to_string(i), host::ItemType::Contact));
    }
    for (const auto& folder : many) {
        EXPECT_EQ(ns->GetFolderFromID(folder->EntryID(), folder->StoreID()), folder);
    }
}

TEST_F(SimMailboxTest, TheTopFolderOfAStoreHasTheNamespaceAsParentWhoseTextIsMAPI) {
    auto top = host.Folder("Acme Public");
    auto customers = host.Folder("Acme Public/Customers");

    EXPECT_EQ(top->Parent()->Text(), "MAPI");
    EXPECT_EQ(host.Folder(test::PublicContacts)->Parent(), customers);
    EXPECT_EQ(customers->Parent()->Text(), "Acme Public");
}

TEST_F(SimMailboxTest, LinksOnlyTakeSavedContactsAndCarryTypeForty) {
    auto contact = test::PutContact(host, "Ann Lee", "ann@initech.example");
    auto mail = As<host::MailItem>(host.ComposeMail("x")->AsItem());
    auto unsaved = host.Folder(test::PublicContacts)->GetItems()->Add();

    auto link = mail->GetLinks()->Add(As<host::ContactItem>(contact->AsItem()));

    EXPECT_EQ(link->Type(), host::LinkTypeContact);
    EXPECT_EQ(link->Item(), contact->AsItem());
    EXPECT_NE(FailureOf([&] { mail->GetLinks()->Add(As<host::ContactItem>(unsaved)); }), 0);
}

TEST_F(SimMailboxTest, RecipientsWithoutAnAddressKeepTheirNameInTheAddressEntry) {
    auto mail = As<host::MailItem>(host.ComposeMail("x")->AsItem());
    auto named = mail->GetRecipients()->Add("Ann Lee");
    auto addressed = mail->GetRecipients()->Add("ann@initech.example");

    EXPECT_EQ(named->Address(), "");
    EXPECT_EQ(named->GetAddressEntry()->Text(), "Ann Lee");
    EXPECT_EQ(addressed->Address(), "ann@initech.example");
}

}  // namespace
}  // namespace pwk::sim
