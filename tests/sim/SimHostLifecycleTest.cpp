#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/FaultInjector.h"
#include "sim/HostError.h"
#include "src/host/AddIn.h"
#include "src/host/Explorers.h"
#include "src/host/Items.h"
#include "src/host/MapiSession.h"
#include "src/host/NameSpace.h"
#include "src/host/PropertyPages.h"
#include "src/util/Ref.h"
#include "src/util/WithEvents.h"
#include "tests/sim/SimTestMailbox.h"

namespace pwk::sim {
namespace {

using test::FailureOf;

// An add-in that keeps what the host gives it until it is told to let go, as a real one does:
// it watches the first explorer and drops everything when that explorer closes.
class RecordingAddIn : public host::AddIn, public host::ExplorerEvents {
  public:
    explicit RecordingAddIn(std::vector<std::string>& log) : log_(&log), explorer_(*this) {}

    void OnConnection(const Ref<host::Application>& application, int connectMode,
                      const Ref<host::AddInInstance>& instance) override {
        log_->push_back("OnConnection " + std::to_string(connectMode) + " " + instance->ProgID());
        app_ = application;
        instance_ = instance;
        if (application->GetExplorers()->Count() > 0) {
            explorer_ = application->GetExplorers()->Item(1);
        }
    }
    void OnDisconnection(int removeMode) override {
        log_->push_back("OnDisconnection " + std::to_string(removeMode));
    }
    void Close() override {
        log_->push_back("Close");
        if (!keepReferences) {
            explorer_.Reset();
            app_.reset();
            instance_.reset();
        }
    }

    bool keepReferences = false;

  private:
    std::vector<std::string>* log_;
    WithEvents<host::Explorer, host::ExplorerEvents> explorer_;
    std::shared_ptr<host::Application> app_;
    std::shared_ptr<host::AddInInstance> instance_;
};

class SimHostLifecycleTest : public ::testing::Test {
  protected:
    SimHostLifecycleTest() {
        test::FillMailbox(host);
        registry.Register("Test.Connect", [this] {
            auto addIn = std::make_shared<RecordingAddIn>(log);
            addIn->keepReferences = keepReferences;
            lastAddIn = addIn;
            return addIn;
        });
    }

    SimHost host;
    ObjectFactories registry;
    std::vector<std::string> log;
    bool keepReferences = false;
    // Kept alive by the test, as a real add-in is by its own reference cycles.
    std::shared_ptr<RecordingAddIn> lastAddIn;
};

TEST_F(SimHostLifecycleTest, AddInIsConnectedByProgIDAndDisconnectedWhenTheLastWindowCloses) {
    auto explorer = host.OpenExplorer(test::PublicContacts);
    host.LoadAddIn(registry, "Test.Connect", host::ConnectMode::Startup);

    host.Close(explorer);

    EXPECT_EQ(log, (std::vector<std::string>{"OnConnection 1 Test.Connect", "Close",
                                             "OnDisconnection 0"}));
    EXPECT_FALSE(host.Running());
    EXPECT_FALSE(host.AddInLoaded("Test.Connect"));
}

TEST_F(SimHostLifecycleTest, SwitchingAnAddInOffDisconnectsItAsClosedByTheUser) {
    host.OpenExplorer(test::PublicContacts);
    host.LoadAddIn(registry, "Test.Connect", host::ConnectMode::AfterStartup);

    host.UnloadAddIn("Test.Connect");

    EXPECT_EQ(log.back(), "OnDisconnection 1");
    EXPECT_TRUE(host.Running());
}

TEST_F(SimHostLifecycleTest, AnUnknownProgIDCannotBeCreated) {
    EXPECT_EQ(FailureOf([&] { host.LoadAddIn(registry, "Nobody.Connect"); }),
              FailureNumber::CannotCreateObject);
}

// Once the add-in let go nothing of the host is held; one that keeps its references is named
// with each of them by the audit.
TEST_F(SimHostLifecycleTest, TheAuditNamesWhatAnAddInStillHoldsAndNothingOnceItLetGo) {
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "kept" : "let go");
        SimHost fresh;
        test::FillMailbox(fresh);
        keepReferences = keep;
        auto explorer = fresh.OpenExplorer(test::PublicContacts);
        fresh.LoadAddIn(registry, "Test.Connect");
        EXPECT_FALSE(fresh.HeldObjects().empty());  // the add-in holds the application, ...

        fresh.Close(explorer);
        explorer.reset();

        std::vector<std::string> held;
        for (const auto& object : fresh.HeldObjects()) {
            held.push_back(object.Type + " " + object.Name);
        }
        EXPECT_EQ(held,
                  keep ? (std::vector<std::string>{"Application Outlook",
                                                   "Explorer " + std::string(test::PublicContacts),
                                                   "COMAddIn Test.Connect"})
                       : std::vector<std::string>{});
        lastAddIn.reset();
    }
}

TEST_F(SimHostLifecycleTest, EventConnectionsDoNotKeepHostObjectsAlive) {
    struct Sink : host::ItemsEvents {
    } sink;
    std::weak_ptr<host::Items> weakItems;
    Connection connection;
    {
        SimHost other;
        test::FillMailbox(other);
        auto items = other.Folder(test::PublicContacts)->GetItems();
        connection = items->Advise(sink);
        weakItems = items.Shared();
    }
    EXPECT_TRUE(weakItems.expired());
    connection.Disconnect();
}

TEST_F(SimHostLifecycleTest, TheNthCallFailsWithTheChosenNumber) {
    auto folder = host.Folder(test::PublicContacts);
    host.Faults().FailNthCall(2, 13);

    EXPECT_EQ(FailureOf([&] { folder->Name(); }), 0);
    EXPECT_EQ(FailureOf([&] { folder->EntryID(); }), 13);
    EXPECT_EQ(FailureOf([&] { folder->EntryID(); }), 0);
}

TEST_F(SimHostLifecycleTest, EveryCallOfAMemberFailsUntilClearedOrAsOftenAsAsked) {
    auto folder = host.Folder(test::PublicContacts);
    auto ns = host.Application()->GetNamespace("MAPI");
    host.Faults().FailMember("MAPIFolder.Items", HostError::NotFound);
    host.Faults().FailMember("Items.Find", 5, 1);

    EXPECT_EQ(FailureOf([&] { folder->GetItems(); }), HostError::NotFound);
    EXPECT_EQ(FailureOf([&] { folder->GetItems(); }), HostError::NotFound);
    EXPECT_EQ(FailureOf([&] { ns->GetFolderFromID(folder->EntryID(), folder->StoreID()); }), 0);
    host.Faults().Clear();
    auto items = folder->GetItems();
    EXPECT_EQ(FailureOf([&] { items->Find("[FullName] = \"x\""); }), 0);
    EXPECT_EQ(host.Faults().Calls("MAPIFolder.Items"), 3);
    host.Faults().FailMember("Items.Find", 5, 2);  // fails only as often as asked
    for (const int expected : {5, 5, 0}) {
        EXPECT_EQ(FailureOf([&] { items->Find("[FullName] = \"x\""); }), expected);
    }
}

TEST_F(SimHostLifecycleTest, AfterShutdownEveryCallFails) {
    auto explorer = host.OpenExplorer(test::PublicContacts);
    auto folder = host.Folder(test::PublicContacts);
    host.Quit();

    EXPECT_EQ(FailureOf([&] { folder->Name(); }), HostError::Disconnected);
    EXPECT_THROW(host.OpenExplorer(), UserActionError);
}

TEST_F(SimHostLifecycleTest, QuitClosesInspectorsThenExplorersInOrder) {
    struct Sink : host::ExplorerEvents, host::InspectorEvents {
        std::vector<std::string>* log;
        std::string name;
        void Close() override { log->push_back(name); }
    } e1, e2, i1;
    e1.log = e2.log = i1.log = &log;
    e1.name = "explorer 1";
    e2.name = "explorer 2";
    i1.name = "inspector 1";
    std::shared_ptr<host::Explorer> first = host.OpenExplorer(test::PublicContacts);
    std::shared_ptr<host::Explorer> second = host.OpenExplorer(test::PublicContacts);
    auto c1 = first->Advise(static_cast<host::ExplorerEvents&>(e1));
    auto c2 = second->Advise(static_cast<host::ExplorerEvents&>(e2));
    auto c3 = host.InspectorOf(host.ComposeMail()->AsItem())
                  ->Advise(static_cast<host::InspectorEvents&>(i1));

    host.Quit();

    EXPECT_EQ(log, (std::vector<std::string>{"inspector 1", "explorer 1", "explorer 2"}));
}

TEST_F(SimHostLifecycleTest, TheMessagingSessionGivesTheSenderOfADeliveredMail) {
    auto mail = host.DeliverMail({"Ann Lee", "ann@initech.example", "Hello", ""});
    auto unknownSender = host.DeliverMail({"", "", "Anonymous", ""});
    registry.Register(host::MapiSessionProgID, host.MapiSessionFactory());
    auto session = As<host::MapiSession>(registry.Create(host::MapiSessionProgID));
    const std::string storeId = mail->Folder()->StoreId();

    EXPECT_EQ(FailureOf([&] { session->GetMessage(mail->EntryId(), storeId); }),
              HostError::NotLoggedOn);
    session->Logon();
    EXPECT_EQ(session->GetMessage(mail->EntryId(), storeId)->SenderAddress(),
              "ann@initech.example");
    EXPECT_EQ(FailureOf([&] { session->GetMessage(mail->EntryId(), "00"); }), HostError::NotFound);
    auto anonymous = session->GetMessage(unknownSender->EntryId(), storeId);
    EXPECT_EQ(FailureOf([&] { anonymous->SenderAddress(); }), HostError::NotFound);
}

TEST_F(SimHostLifecycleTest, TheOptionsDialogCollectsThePagesAddInsAdd) {
    struct Page : AutomationObject {};
    struct Sink : host::ApplicationEvents {
        std::shared_ptr<host::PropertyPages> kept;
        void OptionsPagesAdd(const Ref<host::PropertyPages>& pages) override {
            pages->Add(std::make_shared<Page>(), "");
            kept = pages;
        }
    } sink;
    auto c = host.Application()->Advise(sink);

    auto pages = host.OpenOptionsDialog();

    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(IsA<Page>(pages[0].Page));
    EXPECT_EQ(FailureOf([&] { sink.kept->Add(std::make_shared<Page>(), ""); }),
              HostError::OperationFailed);
}

}  // namespace
}  // namespace pwk::sim
