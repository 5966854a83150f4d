#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/EscapedFailureError.h"
#include "sim/HostError.h"
#include "sim/SimExplorer.h"
#include "sim/SimInspector.h"
#include "src/host/Application.h"
#include "src/host/AppointmentItem.h"
#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "src/host/Inspector.h"
#include "src/host/Inspectors.h"
#include "src/host/Items.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Selection.h"
#include "src/util/Ref.h"
#include "tests/sim/SimTestMailbox.h"

namespace pwk::sim {
namespace {

using Log = std::vector<std::string>;

struct AppSink : host::ApplicationEvents {
    Log* log;
    bool cancel = false;
    explicit AppSink(Log& l) : log(&l) {}
    void ItemSend(const Ref<host::Item>& item, bool& cancelSend) override {
        log->push_back("ItemSend " + item->Subject());
        cancelSend = cancel;
    }
};

struct InspectorSink : host::InspectorEvents {
    Log* log;
    explicit InspectorSink(Log& l) : log(&l) {}
    void Close() override { log->push_back("Inspector.Close"); }
};

struct ItemsSink : host::ItemsEvents {
    Log* log;
    std::string name;
    ItemsSink(Log& l, std::string n) : log(&l), name(std::move(n)) {}
    void ItemAdd(const Ref<host::Item>& item) override {
        log->push_back(name + ".ItemAdd " + item->Subject());
    }
};

class SimEventsTest : public ::testing::Test {
  protected:
    SimEventsTest() {
        test::FillMailbox(host);
        explorer = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    }

    SimHost host;
    std::shared_ptr<SimExplorer> explorer;
    Log log;
};

// A send raises ItemSend, then closes the window, then adds to Sent Items; a cancel in ItemSend
// keeps the mail open and unsent.
TEST_F(SimEventsTest, SendRaisesItemSendThenClosesTheWindowThenAddsToSentItemsUnlessCancelled) {
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "sent");
        log.clear();
        auto mail = host.ComposeMail("Quote");
        host.AddRecipient(mail->AsItem(), "wile@acme.example");
        AppSink app(log);
        app.cancel = cancel;
        InspectorSink window(log);
        ItemsSink sent(log, "Sent Items");
        auto c1 = host.Application()->Advise(app);
        auto c2 = host.InspectorOf(mail->AsItem())->Advise(window);
        auto c3 = host.Folder("Mailbox - Pat Jones/Sent Items")->GetItems()->Advise(sent);

        EXPECT_EQ(host.Send(mail->AsItem()), !cancel);

        if (cancel) {
            EXPECT_EQ(log, (Log{"ItemSend Quote"}));
            EXPECT_NE(host.InspectorOf(mail->AsItem()), nullptr);
            EXPECT_FALSE(mail->Sent());
        } else {
            EXPECT_EQ(log, (Log{"ItemSend Quote", "Inspector.Close", "Sent Items.ItemAdd Quote"}));
            EXPECT_EQ(mail->Folder(), host.Folder("Mailbox - Pat Jones/Sent Items"));
            EXPECT_FALSE(mail->EntryId().empty());
        }
    }
}

TEST_F(SimEventsTest, ItemAddWaitsUntilTheHostIsIdleAndSkipsItemsThatLeftTheFolder) {
    auto drafts = host.Folder("Mailbox - Pat Jones/Drafts");
    ItemsSink sink(log, "Drafts");
    auto c = drafts->GetItems()->Advise(sink);
    auto kept = As<host::MailItem>(drafts->GetItems()->Add());
    kept->SetSubject("kept");
    kept->Save();
    auto moved = As<host::MailItem>(drafts->GetItems()->Add());
    moved->SetSubject("moved");
    moved->Save();
    moved->Move(host.Folder("Mailbox - Pat Jones/Inbox"));
    EXPECT_TRUE(log.empty());

    host.DoEvents();

    EXPECT_EQ(log, (Log{"Drafts.ItemAdd kept"}));
}

TEST_F(SimEventsTest, SwitchingFolderRaisesFolderSwitchThenSelectionChange) {
    struct Sink : host::ExplorerEvents {
        Log* log;
        explicit Sink(Log& l) : log(&l) {}
        void FolderSwitch() override { log->push_back("FolderSwitch"); }
        void SelectionChange() override { log->push_back("SelectionChange"); }
    } sink(log);
    auto c = explorer->Advise(sink);

    host.SwitchFolder(explorer, test::PublicContacts);

    EXPECT_EQ(log, (Log{"FolderSwitch", "SelectionChange"}));
    EXPECT_EQ(explorer->CurrentFolder()->Name(), "Contacts");
    EXPECT_EQ(explorer->GetSelection()->Count(), 0);
}

// A handler that disconnects a sink during an event: itself, and the others still hear it; a
// later sink, and its delivery stops at once.
TEST_F(SimEventsTest, HandlerThatDisconnectsASinkStopsOnlyThatSinksDelivery) {
    struct Sink : host::ExplorerEvents {
        Log* log;
        std::string name;
        Connection* victim = nullptr;
        Sink(Log& l, std::string n) : log(&l), name(std::move(n)) {}
        void SelectionChange() override {
            log->push_back(name);
            if (victim) {
                victim->Disconnect();
            }
        }
    };
    for (const bool itself : {true, false}) {
        SCOPED_TRACE(itself ? "itself" : "the later sink");
        log.clear();
        Sink first(log, "first"), second(log, "second");
        Connection c1 = explorer->Advise(first);
        Connection c2 = explorer->Advise(second);
        first.victim = itself ? &c1 : &c2;

        host.Select(explorer, {});
        host.Select(explorer, {});

        EXPECT_EQ(log, itself ? (Log{"first", "second", "second"}) : (Log{"first", "first"}));
    }
}

TEST_F(SimEventsTest, NewWindowsAreAnnouncedAlreadyCounted) {
    struct Sink : host::ExplorersEvents {
        std::int32_t countSeen = 0;
        std::shared_ptr<host::Explorers> explorers;
        void NewExplorer(const Ref<host::Explorer>&) override { countSeen = explorers->Count(); }
    } sink;
    sink.explorers = host.Application()->GetExplorers();
    auto c = sink.explorers->Advise(sink);

    host.OpenExplorer(test::PublicContacts);

    EXPECT_EQ(sink.countSeen, 2);
}

TEST_F(SimEventsTest, ClosingWindowIsStillCountedDuringItsClose) {
    struct Sink : host::ExplorerEvents {
        std::shared_ptr<host::Application> app;
        std::int32_t countSeen = -1;
        void Close() override { countSeen = app->GetExplorers()->Count(); }
    } sink;
    sink.app = host.Application();
    auto second = host.OpenExplorer(test::PublicContacts);
    auto c = second->Advise(sink);

    host.Close(second);

    EXPECT_EQ(sink.countSeen, 2);
    EXPECT_EQ(host.Application()->GetExplorers()->Count(), 1);
    EXPECT_EQ(test::FailureOf([&] { second->CurrentFolder(); }), HostError::OperationFailed);
}

TEST_F(SimEventsTest, AppointmentSaveRaisesWriteAndACancelLeavesItUnsaved) {
    struct Sink : host::ItemEvents {
        int writes = 0;
        bool cancel = false;
        void Write(bool& cancelSave) override {
            ++writes;
            cancelSave = cancel;
        }
    } sink;
    auto appointment = host.ComposeAppointment("Review");
    auto c = As<host::AppointmentItem>(appointment->AsItem())->Advise(sink);
    sink.cancel = true;
    host.Save(appointment->AsItem());
    EXPECT_FALSE(appointment->InFolder());

    sink.cancel = false;
    host.Save(appointment->AsItem());

    EXPECT_EQ(sink.writes, 2);
    EXPECT_TRUE(appointment->InFolder());
}

TEST_F(SimEventsTest, FailureOfAHandlerReachesTheTestAfterTheActionCompletes) {
    struct Sink : host::ExplorerEvents {
        int calls = 0;
        void SelectionChange() override {
            ++calls;
            throw Failure(91, "boom");
        }
    } a, b;
    auto c1 = explorer->Advise(a);
    auto c2 = explorer->Advise(b);

    try {
        host.Select(explorer, {});
        FAIL() << "expected EscapedFailureError";
    } catch (const EscapedFailureError& error) {
        ASSERT_EQ(error.Failures.size(), 2u);
        EXPECT_EQ(error.Failures[0].Event, "Explorer.SelectionChange");
    }
    EXPECT_EQ(a.calls + b.calls, 2);
}

}  // namespace
}  // namespace pwk::sim
