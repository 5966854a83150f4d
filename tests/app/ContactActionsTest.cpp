// The contact actions of the application object on the simulated host: journal entries shown
// for the user to finish, new mails and appointments linked to the contact, and received mail
// filed with its sender's folderset.
#include <gtest/gtest.h>

#include "sim/SimAttachments.h"
#include "sim/SimInspector.h"
#include "sim/SimRecipients.h"
#include "src/host/MailItem.h"
#include "src/platform/MessageBoxStyle.h"
#include "tests/support/JournalHarness.h"

namespace pwk {
namespace {

using Names = std::vector<std::string>;

class ContactActions : public ::testing::Test {
  protected:
    ContactActions() {
        harness.Track("Public/Customers");
        ann = harness.PutContact("Public/Customers/Contacts", "Ann Archer",
                                 {{"CompanyName", "Kestrel"}, {"Email3Address", "ann@k.ex"}});
        cy = harness.PutContact("Mailbox/Contacts", "Cy Cole", {{"CompanyName", "Own"}});
        app = harness.App();
    }
    sim::SimItemState& LastShown() { return *harness.host.Displayed().back().Item.get(); }
    std::size_t ShownCount() const { return harness.host.Displayed().size(); }
    const sim::ScriptedPlatform::MessageBoxRecord& OnlyBox() {
        EXPECT_EQ(harness.platform.MessageBoxes().size(), 1u);
        return harness.platform.MessageBoxes().back();
    }
    Ref<host::MailItem> Received(const std::string& from) {
        return As<host::MailItem>(harness.host.DeliverMail({"", from, "Order", ""})->AsItem());
    }

    test::JournalHarness harness;
    Ref<host::ContactItem> ann, cy;
    std::shared_ptr<PWKAddinApp> app;
};

TEST_F(ContactActions, JournalEntriesAreShownUnsavedAndKeptOnlyWhenTheUserSaves) {
    app->NewPhoneCall(ann);
    auto& call = LastShown();
    EXPECT_FALSE(call.InFolder());
    EXPECT_EQ(call.TextField("Type"), "Phone Call");
    EXPECT_EQ(call.TextField("Companies"), "Kestrel");
    EXPECT_EQ(test::JournalHarness::LinkedNames(call), Names{"Ann Archer"});
    EXPECT_TRUE(harness.Contents("Public/Customers/Journal").empty());
    harness.host.Save(call.AsItem());
    EXPECT_EQ(harness.Contents("Public/Customers/Journal").size(), 1u);

    app->NewJournalEntry(ann);
    EXPECT_EQ(LastShown().TextField("Type"), "Note");
    harness.host.Close(harness.host.InspectorOf(LastShown().AsItem()));
    EXPECT_EQ(harness.Contents("Public/Customers/Journal").size(), 1u);
}

TEST_F(ContactActions, AnUntrackedContactGetsNoEntryButTheFileChooserStillShows) {
    app->NewPhoneCall(cy);
    app->NewJournalEntry(cy);
    harness.fileUtility->QueueChoice("C:\\Docs\\contract.doc");
    app->NewFileLink(cy);
    EXPECT_EQ(ShownCount(), 0u);
    EXPECT_EQ(harness.fileUtility->ChooserTitles().size(), 1u);
    EXPECT_TRUE(harness.platform.MessageBoxes().empty());
}

TEST_F(ContactActions, AFileLinkAttachesTheChosenFileByReferenceUnlessCancelled) {
    app->NewFileLink(ann);  // the unscripted chooser is cancelled
    EXPECT_EQ(ShownCount(), 0u);

    harness.fileUtility->QueueChoice("C:\\Docs\\contract.doc");
    app->NewFileLink(ann);
    auto& entry = LastShown();
    EXPECT_EQ(entry.TextField("Type"), "Document");
    ASSERT_EQ(entry.AttachmentsObject().All().size(), 1u);
    const auto& attachment = entry.AttachmentsObject().All()[0];
    EXPECT_EQ(attachment.Type, host::AttachmentType::ByReference);
    EXPECT_EQ(attachment.Source, "C:\\Docs\\contract.doc");
}

TEST_F(ContactActions, ANewEmailGoesToTheFirstAddressOrAsksForOne) {
    app->NewEmail(cy);  // the box's title and text: contact-actions.scenario
    EXPECT_EQ(OnlyBox().Style, MsgBoxStyle::OkOnly | MsgBoxStyle::Exclamation);
    EXPECT_EQ(ShownCount(), 0u);

    app->NewEmail(ann);
    auto& mail = LastShown();
    ASSERT_EQ(mail.RecipientsObject().All().size(), 1u);
    EXPECT_EQ(mail.RecipientsObject().All()[0]->Address(), "ann@k.ex");
    EXPECT_EQ(test::JournalHarness::LinkedNames(mail), Names{"Ann Archer"});
}

TEST_F(ContactActions, ANewAppointmentIsLinkedInTheUsersCalendarForAnyContact) {
    app->NewAppointment(cy);
    auto& appointment = LastShown();
    EXPECT_EQ(appointment.Folder(), harness.host.Folder("Mailbox/Calendar"));
    EXPECT_EQ(appointment.TextField("Companies"), "Own");
    EXPECT_EQ(test::JournalHarness::LinkedNames(appointment), Names{"Cy Cole"});
}

// A copy filed each time, none of a copy, and an untracked sender named in a box:
// log-incoming.scenario. A mail without a sender says nothing.
TEST_F(ContactActions, LoggingAMailWithoutASenderSaysNothing) {
    app->LogIncoming(Received(""));
    EXPECT_TRUE(harness.platform.MessageBoxes().empty());
    EXPECT_TRUE(harness.Contents("Public/Customers/E-mails").empty());
}

TEST_F(ContactActions, AFailureIsReportedWithTheActionsActivityWhichStaysSet) {
    harness.platform.Factories().Unregister(host::MapiSessionProgID);
    EXPECT_THROW(app->LogIncoming(Received("ann@k.ex")), Failure);
    const std::string log = harness.LogContents();
    EXPECT_NE(log.find("in PWKAddinApp.LogIncoming"), std::string::npos);
    EXPECT_NE(log.find("Activity: Couldn't log incoming message."), std::string::npos);
}

TEST_F(ContactActions, AContactFolderWhoseNameChangedIsNoLongerTracked) {
    EXPECT_TRUE(app->GetTrackedFoldersetForContact(ann));
    EXPECT_FALSE(app->GetTrackedFoldersetForContact(nullptr));
    // A second folder under the same identifiers, found only through its contacts.
    auto twin = harness.host.AddFolder("Public", "Old Contacts", host::ItemType::Contact);
    twin->SetEntryId(harness.FolderEntryID("Public/Customers/Contacts"));
    auto bo = harness.PutContact("Public/Old Contacts", "Bo Berg");
    EXPECT_FALSE(app->GetTrackedFoldersetForContact(bo));
}

}  // namespace
}  // namespace pwk
