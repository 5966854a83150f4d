// Saved appointments with tracked contacts become "Meeting" journal entries.
#include <gtest/gtest.h>

#include "sim/FaultInjector.h"
#include "src/host/AppointmentItem.h"
#include "src/journal/AppointmentJournal.h"
#include "tests/support/JournalHarness.h"

namespace pwk {
namespace {

using Names = std::vector<std::string>;
using std::chrono::sys_days;
using namespace std::chrono_literals;

class AppointmentJournal : public ::testing::Test {
  protected:
    AppointmentJournal() {
        harness.Track("Public/Customers");
        harness.Track("Public/Partners");
        ann = harness.PutContact("Public/Customers/Contacts", "Ann Archer");
        bo = harness.PutContact("Public/Partners/Contacts", "Bo Berg");
        cy = harness.PutContact("Mailbox/Contacts", "Cy Cole");
    }

    // An appointment linked to the contacts, with every field the entry takes over.
    Ref<host::AppointmentItem> Meeting(const std::vector<Ref<host::ContactItem>>& contacts) {
        auto state = harness.host.ComposeAppointment("Delivery review");
        auto item = state->AsItem();
        for (const auto& contact : contacts) {
            harness.host.AddLink(item, contact);
        }
        harness.host.SetField(item, "Body", "Went through the March deliveries.");
        harness.host.SetField(item, "Categories", "Logistics");
        harness.host.SetField(item, "Companies", "Kestrel");
        state->SetDateField("Start", sys_days{2000y / 3 / 6} + 14h);
        state->SetDateField("End", sys_days{2000y / 3 / 6} + 15h + 30min);
        state->SetNumberField("Duration", 90);
        return As<host::AppointmentItem>(item);
    }
    void Save(const Ref<host::AppointmentItem>& appointment) {
        PWKGlobal::AppointmentSaveHandler(harness.component, appointment,
                                          harness.App()->TrackedFolders(),
                                          harness.App()->OutlookApplication());
    }

    test::JournalHarness harness;
    Ref<host::ContactItem> ann, bo, cy;
};

TEST_F(AppointmentJournal, OneMeetingPerTrackedContactInItsOwnJournalLinkedToItAlone) {
    Save(Meeting({cy, bo, ann}));

    ASSERT_EQ(harness.Contents("Public/Customers/Journal").size(), 1u);
    ASSERT_EQ(harness.Contents("Public/Partners/Journal").size(), 1u);
    auto& entry = harness.At("Public/Customers/Journal", 1);
    EXPECT_EQ(test::JournalHarness::LinkedNames(entry), Names{"Ann Archer"});
    EXPECT_EQ(entry.TextField("Type"), "Meeting");
    EXPECT_EQ(entry.TextField("Subject"), "Delivery review");
    EXPECT_EQ(entry.TextField("Body"), "Went through the March deliveries.");
    EXPECT_EQ(entry.TextField("Categories"), "Logistics");
    EXPECT_EQ(entry.TextField("Companies"), "Kestrel");
    EXPECT_EQ(entry.DateField("Start"), sys_days{2000y / 3 / 6} + 14h);
    EXPECT_EQ(entry.DateField("End"), sys_days{2000y / 3 / 6} + 15h + 30min);
    EXPECT_EQ(entry.NumberField("Duration"), 90);
    EXPECT_EQ(test::JournalHarness::LinkedNames(harness.At("Public/Partners/Journal", 1)),
              Names{"Bo Berg"});
    EXPECT_TRUE(harness.Contents("Mailbox/Journal").empty());
}

TEST_F(AppointmentJournal, EverySaveWritesAFreshSetAndUnlinkedMeetingsWriteNothing) {
    Save(Meeting({}));
    Save(Meeting({cy}));
    EXPECT_TRUE(harness.Contents("Public/Customers/Journal").empty());
    auto meeting = Meeting({ann});
    Save(meeting);
    Save(meeting);
    EXPECT_EQ(harness.Contents("Public/Customers/Journal").size(), 2u);
}

TEST_F(AppointmentJournal, AFailureLeavesWithTheEarlierEntriesSavedAndTheCurrentOneDropped) {
    auto meeting = Meeting({ann, bo});
    harness.host.DeleteFolder("Public/Partners/Journal");
    // The error dialog takes its default, Abort: the failure goes on to the caller.
    EXPECT_THROW(Save(meeting), Failure);
    EXPECT_EQ(harness.Contents("Public/Customers/Journal").size(), 1u);
    EXPECT_NE(harness.LogContents().find("in PWKGlobal.AppointmentSaveHandler"), std::string::npos);
}

}  // namespace
}  // namespace pwk
