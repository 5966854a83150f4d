// The simulated host over IDispatch, read through the component's own adapters (win/dispatch):
// identity and release, failures, events with their by-reference flags (and the record of which
// objects have sinks), and the messaging library created by ProgID. The options page through the
// component is options-page.scenario's, compared both ways. Usage: test_win_bridge <path of a
// mailbox file>
#include <windows.h>

#include <string>
#include <vector>

#include "sim/HostError.h"
#include "sim/MailboxLoader.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "src/host/AddressEntry.h"
#include "src/host/Application.h"
#include "src/host/ContactItem.h"
#include "src/host/Explorers.h"
#include "src/host/Items.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/MapiSession.h"
#include "src/host/NameSpace.h"
#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "win/combase/WideText.h"
#include "win/dispatch/DispatchHost.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/PlainObject.h"
#include "winharness/bridge/ClassRegistration.h"
#include "winharness/bridge/EventLinks.h"
#include "winharness/bridge/HostDispatch.h"

using pwk::Failure;
using pwk::Ref;
using pwk::bridge::ClassRegistration;
using pwk::bridge::HostDispatch;
using pwk::win::ComPtr;
namespace host = pwk::host;
namespace sim = pwk::sim;

namespace {

// COM for the thread, for one case.
struct Apartment {
    Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Apartment() { CoUninitialize(); }
};

std::string MailboxPath() {
    return pwk::win::Narrow(pwk::wintest::Argument(1, L"demo-mailbox.json"));
}

// A host with the mailbox and an explorer on its Inbox.
std::unique_ptr<sim::SimHost> MakeHost() {
    auto host = std::make_unique<sim::SimHost>();
    sim::MailboxLoader::LoadFile(*host, MailboxPath());
    host->OpenExplorer("Mailbox - Pat Jones/Inbox");
    return host;
}

// The host's application as the component sees it: bridged, then adapted.
Ref<host::Application> ClientView(sim::SimHost& host) {
    const ComPtr<IDispatch> bridge = HostDispatch::Of(host.Application().Shared());
    return WrapApplication(bridge.Get());
}

// True when the client holds nothing of the host; else says what it holds.
bool NothingHeld(sim::SimHost& host) {
    const auto held = host.HeldObjects();
    for (const auto& object : held) {
        std::printf("held: %s \"%s\" x%ld\n", object.Type.c_str(), object.Name.c_str(),
                    object.Holders);
    }
    return held.empty();
}

// The failure `call` raises; a failure numbered 0 when it raises none.
template <class Call>
Failure FailureOf(Call&& call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure;
    }
    return Failure(0, "no failure");
}

TEST_CASE("a host object is one COM object while its bridge lives, and is let go with it") {
    const Apartment com;
    auto host = MakeHost();
    {
        const ComPtr<IDispatch> first = HostDispatch::Of(host->Application().Shared());
        const ComPtr<IDispatch> second = HostDispatch::Of(host->Application().Shared());
        CHECK(first.Get() == second.Get());
        CHECK(HostDispatch::ObjectOf(first.Get()) == host->Application().Shared());

        const auto app = ClientView(*host);
        const auto mapi = app->GetNamespace("MAPI");
        const auto inbox = mapi->GetDefaultFolder(host::DefaultFolder::Inbox);
        CHECK(inbox.get() == mapi->GetDefaultFolder(host::DefaultFolder::Inbox).get());
        CHECK_EQ(inbox->Name(), std::string("Inbox"));
        CHECK_EQ(inbox->EntryID(), host->Folder("Mailbox - Pat Jones/Inbox")->EntryId());
        // Above the store's top folder is the namespace; items come as their kinds.
        const auto top = As<host::MAPIFolder>(inbox->Parent());
        CHECK(static_cast<bool>(top));
        CHECK(top && pwk::IsA<host::NameSpace>(top->Parent()));
        const auto items = inbox->GetItems();
        CHECK_EQ(items->Count(), 3);
        CHECK(pwk::IsA<host::MailItem>(items->Item(1)));
        CHECK_EQ(items->Item(1)->Subject(), std::string("Order 4471 delivered"));
        const auto contacts = mapi->GetDefaultFolder(host::DefaultFolder::Contacts)->GetItems();
        const auto contact = As<host::ContactItem>(contacts->Item(1));
        CHECK(static_cast<bool>(contact));
        CHECK_EQ(contact->FullName(), std::string("Sam Patel"));
        CHECK(HostDispatch::Live() > 5);
        CHECK(!host->HeldObjects().empty());
    }
    CHECK_EQ(HostDispatch::Live(), std::size_t{0});
    CHECK(NothingHeld(*host));
}

TEST_CASE("an object's text value is its default value, read from the host through the bridge") {
    const Apartment com;
    auto host = MakeHost();
    {
        const auto app = ClientView(*host);
        const auto inbox = app->GetNamespace("MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
        const auto top = As<host::MAPIFolder>(inbox->Parent());
        CHECK_EQ(top->Text(), std::string("Mailbox - Pat Jones"));
        CHECK_EQ(Ref<host::HostObject>(top->Parent())->Text(), std::string("MAPI"));
        const auto mail = As<host::MailItem>(inbox->GetItems()->Item(1));
        const auto entry = mail->GetRecipients()->Item(1)->GetAddressEntry();
        CHECK_EQ(entry->Text(), std::string("Pat Jones"));
        // The default value is read only, and its failure is the host's.
        const ComPtr<IDispatch> bridge = HostDispatch::Of(host->Application().Shared());
        pwk::win::Variant value(std::string("x"));
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS put{value.Get(), &named, 1, 1};
        CHECK_EQ(bridge->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr,
                                nullptr, nullptr),
                 DISP_E_MEMBERNOTFOUND);
        host->Faults().FailMember("AddressEntry.Name", -2147467259, 1);
        CHECK_EQ(FailureOf([&] { (void)entry->Text(); }).Number, -2147467259);
    }
    CHECK(NothingHeld(*host));
}

TEST_CASE("a host failure reaches the client with the host's number and text") {
    const Apartment com;
    auto host = MakeHost();
    {
        const auto app = ClientView(*host);
        const Failure direct = FailureOf([&] {
            host->Application()->GetNamespace("MAPI")->GetFolderFromID("no such", "store");
        });
        const Failure bridged =
            FailureOf([&] { app->GetNamespace("MAPI")->GetFolderFromID("no such", "store"); });
        CHECK_EQ(direct.Number, sim::HostError::NotFound);
        CHECK_EQ(bridged.Number, direct.Number);
        CHECK_EQ(bridged.Description, direct.Description);
        CHECK_EQ(bridged.Source, direct.Source);

        // A classic number (subscript out of range) comes back as itself.
        const Failure outOfRange = FailureOf([&] { app->GetExplorers()->Item(7); });
        CHECK_EQ(outOfRange.Number, pwk::FailureNumber::SubscriptOutOfRange);
        CHECK_EQ(outOfRange.Description,
                 FailureOf([&] { host->Application()->GetExplorers()->Item(7); }).Description);

        // A member the host's model does not have on that object is 438.
        const ComPtr<IDispatch> bridge = HostDispatch::Of(host->Application().Shared());
        const pwk::win::PlainObject<struct AnyApplication> plain{pwk::win::Variant(bridge.Get())};
        CHECK_FAILS(plain.Get("CurrentFolder"), 438);
        // A read-only property refuses a value.
        CHECK_FAILS(plain.Put("Name", pwk::win::Variant("Another")), 438);
    }
    CHECK(NothingHeld(*host));
}

// Cancels every send it sees and counts the mails added to a folder.
class RecordingSink final : public host::ApplicationEvents, public host::ItemsEvents {
  public:
    void ItemSend(const Ref<host::Item>& item, bool& cancel) override {
        sent.push_back(item->Subject());
        cancel = true;
    }
    void ItemAdd(const Ref<host::Item>& item) override { added.push_back(item->Subject()); }

    std::vector<std::string> sent;
    std::vector<std::string> added;
};

TEST_CASE("events reach the client's sink, Cancel goes back, and the host sees the end") {
    const Apartment com;
    auto host = MakeHost();
    RecordingSink sink;
    {
        const auto app = ClientView(*host);
        pwk::Connection sends = app->Advise(sink);
        const auto& links = pwk::bridge::EventLinks::Instance();
        CHECK_EQ(links.Sinks(*host->Application(), pwk::win::EventIds::Application),
                 std::size_t{1});
        const auto inboxItems =
            app->GetNamespace("MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox)->GetItems();
        pwk::Connection arrivals = inboxItems->Advise(sink);

        const auto mail = host->ComposeMail("Price list");
        host->AddRecipient(mail->AsItem(), "grace.lee@example.com");
        CHECK(!host->Send(mail->AsItem()));
        CHECK(sink.sent == std::vector<std::string>{"Price list"});

        host->DeliverMail({"Grace Lee", "grace.lee@example.com", "Prices", "Attached."});
        CHECK(sink.added == std::vector<std::string>{"Prices"});

        CHECK_EQ(links.Objects(pwk::win::EventIds::Items), std::size_t{1});
        host->TakeReleases();
        sends.Disconnect();
        CHECK_EQ(links.Objects(pwk::win::EventIds::Application), std::size_t{0});
        const auto released = host->TakeReleases();
        CHECK(!released.empty() && released.front().What == sim::Release::Kind::Events &&
              released.front().Type == "Application");
        CHECK(host->Send(mail->AsItem()));
        CHECK_EQ(sink.sent.size(), std::size_t{1});
    }
    CHECK(host->TakeEscapedFailures().empty());
    CHECK_EQ(HostDispatch::Live(), std::size_t{0});
    CHECK(NothingHeld(*host));
}

ComPtr<IDispatch> CreateByProgID(const wchar_t* progId) {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(progId, &clsid))) {
        return {};
    }
    return ComPtr<IDispatch>::Create(clsid, CLSCTX_ALL);
}

TEST_CASE("the messaging library is created by its ProgID and reads the host's messages") {
    const Apartment com;
    auto host = MakeHost();
    std::string entryId;
    std::string storeId;
    std::string sender;
    {
        const auto inbox = host->Folder("Mailbox - Pat Jones/Inbox");
        const auto& received = inbox->Contents().front();
        entryId = received->EntryId();
        storeId = inbox->StoreId();
        sender = received->TextField("SenderEmailAddress");
    }
    {
        const ClassRegistration offered(host::MapiSessionProgID, host->MapiSessionFactory());
        CHECK(offered.Registered());
        const ComPtr<IDispatch> object = CreateByProgID(L"MAPI.Session");
        CHECK(static_cast<bool>(object));
        const auto session = std::dynamic_pointer_cast<host::MapiSession>(
            WrapAutomationObject(host::MapiSessionProgID, object.Get()));
        CHECK(static_cast<bool>(session));
        if (session) {
            session->Logon();
            const auto message = session->GetMessage(entryId, storeId);
            CHECK(!sender.empty());
            CHECK_EQ(message->SenderAddress(), sender);
            CHECK_FAILS(session->GetMessage("none", storeId), sim::HostError::NotFound);
            session->Logoff();
        }
    }
    CLSID gone{};
    CHECK(FAILED(CLSIDFromProgID(L"MAPI.Session", &gone)));
    CHECK(NothingHeld(*host));
}

}  // namespace
