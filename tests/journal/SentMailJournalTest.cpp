// Sent-mail filing where the scenarios cannot reach: foldersets sharing an e-mails folder,
// items that are not mail, and the clean-up after a failure part-way through.
#include <gtest/gtest.h>

#include "src/host/MailItem.h"
#include "src/journal/SentMailJournal.h"
#include "tests/support/JournalHarness.h"

namespace pwk {
namespace {

using Names = std::vector<std::string>;

class SentMailJournal : public ::testing::Test {
  protected:
    SentMailJournal() {
        harness.PutContact("Public/Customers/Contacts", "Ann Archer",
                           {{"Email1Address", "ann@a.ex"}});
        harness.PutContact("Public/Partners/Contacts", "Bo Berg", {{"Email1Address", "bo@b.ex"}});
    }
    // Files the item as the send handler does, in the send, with journaling on.
    bool Send(const Ref<host::Item>& item) {
        auto settings = harness.App()->theRegSettings();
        settings->SetUseSentMailFolder(false);
        settings->SetJournalEmails(true);
        bool cancel = false;
        PWKGlobal::ItemSendHandler(harness.component, harness.App()->TrackedFolders(),
                                   harness.App()->dbgGetMapiNamespace(), settings,
                                   settings->TrackedFoldersets(), item, cancel);
        return cancel;
    }
    Ref<host::Item> MailTo(const std::vector<std::string>& addresses) {
        auto mail = harness.host.ComposeMail("Offer")->AsItem();
        for (const auto& address : addresses) {
            harness.host.AddRecipient(mail, address);
        }
        return mail;
    }

    test::JournalHarness harness;
};

TEST_F(SentMailJournal, FoldersetsSharingAnEmailsFolderAreOneGroupJournaledInTheFirstFound) {
    harness.Track("Public/Customers");
    harness.Track("Public/Partners", "Public/Customers");
    EXPECT_FALSE(Send(MailTo({"bo@b.ex", "ann@a.ex"})));

    ASSERT_EQ(harness.Contents("Public/Customers/E-mails").size(), 1u);
    EXPECT_TRUE(harness.Contents("Public/Customers/Journal").empty());
    ASSERT_EQ(harness.Contents("Public/Partners/Journal").size(), 1u);
    EXPECT_EQ(test::JournalHarness::LinkedNames(harness.At("Public/Partners/Journal", 1)),
              (Names{"Bo Berg", "Ann Archer"}));
}

TEST_F(SentMailJournal, AnythingButAMailIsLeftAlone) {
    harness.Track("Public/Customers");
    auto appointment = harness.host.ComposeAppointment("Visit")->AsItem();
    harness.host.AddLink(
        appointment,
        harness.host.Folder("Public/Customers/Contacts")->Contents()[0].get()->AsItem());
    EXPECT_FALSE(Send(appointment));
    EXPECT_TRUE(harness.Contents("Public/Customers/E-mails").empty());
    EXPECT_TRUE(harness.Contents("Public/Customers/Journal").empty());
}

TEST_F(SentMailJournal, AFailureTakesAwayOnlyWhatWasMadeForTheGroupUnderWay) {
    harness.Track("Public/Customers");
    harness.Track("Public/Partners");
    harness.host.DeleteFolder("Public/Partners/Journal");
    EXPECT_THROW(Send(MailTo({"ann@a.ex", "bo@b.ex"})), Failure);

    EXPECT_EQ(harness.Contents("Public/Customers/E-mails").size(), 1u);
    EXPECT_EQ(harness.Contents("Public/Customers/Journal").size(), 1u);
    EXPECT_TRUE(harness.Contents("Public/Partners/E-mails").empty());
    const std::string log = harness.LogContents();
    EXPECT_NE(log.find("in PWKGlobal.ItemSendHandler"), std::string::npos);
}

// A linked mail is filed contact by contact: once one contact's copy and entry are finished, a
// failure looking up the next link must not take them away again.
TEST_F(SentMailJournal, AFailedLinkLookupLeavesTheContactsFiledBeforeItWhole) {
    harness.Track("Public/Customers");
    harness.Track("Public/Partners");
    auto mail = MailTo({});
    for (const char* folder : {"Public/Customers/Contacts", "Public/Partners/Contacts"}) {
        harness.host.AddLink(mail, harness.host.Folder(folder)->Contents()[0].get()->AsItem());
    }
    // The second contact is gone by the time the mail is sent: its link leads nowhere.
    harness.host.DeleteFolder("Public/Partners/Contacts");
    EXPECT_THROW(Send(mail), Failure);

    ASSERT_EQ(harness.Contents("Public/Customers/E-mails").size(), 1u);
    ASSERT_EQ(harness.Contents("Public/Customers/Journal").size(), 1u);
    const auto& attachments = harness.At("Public/Customers/Journal", 1).AttachmentsObject().All();
    ASSERT_EQ(attachments.size(), 1u);
    EXPECT_EQ(attachments[0].Source, harness.At("Public/Customers/E-mails", 1).EntryId());
    EXPECT_TRUE(harness.Contents("Public/Partners/E-mails").empty());
}

TEST_F(SentMailJournal, TheLogNamesTheJournalStepUnderWayAndWhatItWorkedOn) {
    harness.Track("Public/Customers");
    harness.host.Faults().FailMember("Items.Add", 5, 1);
    EXPECT_THROW(Send(MailTo({"ann@a.ex"})), Failure);
    EXPECT_NE(harness.LogContents().find("Journal step: adding new journal item to Journal\n"),
              std::string::npos);

    // A mail linked to its contact goes straight to the journal, whose first link fails.
    auto mail = MailTo({});
    harness.host.AddLink(
        mail, harness.host.Folder("Public/Customers/Contacts")->Contents()[0].get()->AsItem());
    harness.host.Faults().FailMember("Links.Add", 5, 1);
    EXPECT_THROW(Send(mail), Failure);
    EXPECT_NE(harness.LogContents().find("Journal step: linking contact Ann Archer\n"),
              std::string::npos);
}

}  // namespace
}  // namespace pwk
