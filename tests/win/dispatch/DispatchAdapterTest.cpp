// The host adapter against bridged objects: what crosses the boundary and how, what a failing
// call becomes, how often names are asked for, and that nothing of the host is kept.
#include <objbase.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "src/host/Application.h"
#include "src/host/CommandBars.h"
#include "src/host/ContactItem.h"
#include "src/host/Events.h"
#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "src/host/Items.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Selection.h"
#include "tests/win/support/Check.h"
#include "win/automation/DispatchObject.h"
#include "win/combase/ComFailure.h"
#include "win/dispatch/DispatchHost.h"
#include "win/dispatch/EventHold.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/ObjectCache.h"

using pwk::win::ComPtr;
using pwk::win::DispatchCall;
using pwk::win::DispatchObject;
using pwk::win::Variant;
namespace host = pwk::host;
namespace EventIds = pwk::win::EventIds;

namespace {

// The tests call into COM from the harness's thread.
const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

struct Host {
    ComPtr<DispatchObject> app = DispatchObject::Make();
    ComPtr<DispatchObject> explorers = DispatchObject::Make();
    ComPtr<DispatchObject> explorer = DispatchObject::Make();
    ComPtr<DispatchObject> folder = DispatchObject::Make();
    ComPtr<DispatchObject> mapi = DispatchObject::Make();
    ComPtr<DispatchObject> selection = DispatchObject::Make();
    ComPtr<DispatchObject> mail = DispatchObject::Make();
    ComPtr<DispatchObject> contact = DispatchObject::Make();

    Host() {
        app->Value("Name", "Outlook \xc3\xbc\xe2\x80\x93")  // UTF-8 both ways
            .Value("version", "10.0.0.2627")
            .Object("Explorers", explorers)
            .Member("Broken",
                    [](DispatchCall&) { DispatchCall::Fail(9, "Array index out of bounds."); })
            .Events(EventIds::Application);
        explorers->Value("Count", "1").Member("Item", [this](DispatchCall& call) {
            if (call.Arg(0).ToInt32() != 1) {
                DispatchCall::Fail(9, "Index out of range");
            }
            call.Return(Variant(static_cast<IDispatch*>(explorer.Get())));
        });
        explorer->Object("CurrentFolder", folder)
            .Value("Selection", Variant(static_cast<IDispatch*>(selection.Get())))
            .Member("CommandBars", [](DispatchCall& call) { call.Return(Variant()); })
            .Events(EventIds::Explorer);
        folder->Value("Class", 2).Value("Name", "Inbox").Object("Parent", mapi).Default("Name");
        mapi->Value("Class", 1).Value("Type", "MAPI").Default("Type");
        selection->Value("Count", 2).Member("Item", [this](DispatchCall& call) {
            DispatchObject* item = call.Arg(0).ToInt32() == 1 ? mail.Get() : contact.Get();
            call.Return(Variant(static_cast<IDispatch*>(item)));
        });
        mail->Value("Class", 43).Value("Subject", "").Value("Received", Variant(host::Date{}));
        contact->Value("Class", 40).Value("FullName", "Pat");
    }
    ~Host() {
        for (auto* object : {app.Get(), explorers.Get(), explorer.Get(), folder.Get(), mapi.Get(),
                             selection.Get(), mail.Get(), contact.Get()}) {
            object->Clear();
        }
    }
};

// Runs first: the numbers are kept for the whole process.
TEST_CASE("names are looked up once per name and type") {
    Host host;
    auto app = WrapApplication(host.app.Get());
    for (int i = 0; i < 3; ++i) {
        app->GetExplorers()->Count();
        app->Version();  // the host matches names whatever their case
    }
    CHECK(host.app->Lookups("Explorers") == 1);
    CHECK(host.app->Lookups("Version") == 1);
    CHECK(host.explorers->Lookups("Count") == 1);
    // Another object of the same type is not asked again.
    Host other;
    other.explorers->Value("Count", 4);
    CHECK(WrapApplication(other.app.Get())->GetExplorers()->Count() == 4);
    CHECK(other.app->Lookups("Explorers") == 0);
    CHECK(other.explorers->Lookups("Count") == 0);
}

TEST_CASE("values convert at the boundary, items are told apart by class") {
    Host host;
    auto app = WrapApplication(host.app.Get());
    CHECK(app->Name() == "Outlook \xc3\xbc\xe2\x80\x93");
    CHECK(app->GetExplorers()->Count() == 1);  // a numeric text read as a number
    auto explorer = app->GetExplorers()->Item(1);
    auto items = explorer->GetSelection();
    auto mail = pwk::As<host::MailItem>(items->Item(1));
    CHECK(mail != nullptr);
    CHECK(pwk::IsA<host::ContactItem>(items->Item(2)));
    CHECK(!pwk::IsA<host::MailItem>(items->Item(2)));
    // Strings and dates go as the host's own types and come back unchanged.
    mail->SetSubject("R\xc3\xa9union");
    CHECK(host.mail->ValueOf("Subject").Get()->vt == VT_BSTR);
    CHECK(mail->Subject() == "R\xc3\xa9union");
    const host::Date when{std::chrono::seconds(1704164645)};  // 2024-01-02 03:04:05
    host.mail->Value("When", Variant(when));
    CHECK(host.mail->ValueOf("When").Get()->date > 45293.127 &&
          host.mail->ValueOf("When").Get()->date < 45293.128);
    CHECK(Variant(when).ToDate() == when);
    CHECK_FAILS(Variant("twelve").ToInt32(), pwk::FailureNumber::TypeMismatch);
    // The same host object is the same adapter; a top folder's parent is the namespace.
    CHECK(app->GetExplorers()->Item(1).get() == explorer.get());
    auto folder = explorer->CurrentFolder();
    CHECK(folder->Name() == "Inbox");
    CHECK(pwk::Ref<host::HostObject>(folder->Parent())->Text() == "MAPI");
    // A text value is the host's default member; an object without one cannot be a text.
    CHECK(folder->Text() == "Inbox");
    CHECK_FAILS(mail->Text(), 438);  // the object does not support the member
}

TEST_CASE("the application's type is read from its class") {
    Host host;
    auto app = WrapApplication(host.app.Get());
    // No Class: an automation object that is not one of the host's.
    CHECK(app->TypeName() == "Unknown");
    host.app->Value("Class", 0);
    CHECK(app->TypeName() == "Application");
    host.app->Value("Class", 43);  // a mail item handed over as the application
    CHECK(app->TypeName() == "MailItem");
    host.app->Value("Class", 7);  // a class the add-in does not know
    CHECK(app->TypeName() == "Unknown");
    host.app->Value("Class", "zero");  // not a number
    CHECK(app->TypeName() == "Unknown");
}

TEST_CASE("failures carry the host's number and text") {
    Host host;
    auto app = WrapApplication(host.app.Get());
    try {
        app->GetExplorers()->Item(2);
        CHECK(false);
    } catch (const pwk::Failure& failure) {
        CHECK(failure.Number == 9);
        CHECK(failure.Description == "Index out of range");
    }
    // A member the object does not have, and an HRESULT without a classic number.
    CHECK_FAILS(app->ProductCode(), 438);
    const pwk::Failure failure = pwk::win::FailureOf(E_FAIL);
    CHECK(failure.Number == static_cast<std::int32_t>(E_FAIL));
    CHECK(!failure.Description.empty());
    CHECK(pwk::win::FailureOf(DISP_E_BADINDEX).Number == 9);
}

TEST_CASE("nothing where an object is expected is 91") {
    Host host;
    auto explorer = WrapApplication(host.app.Get())->GetExplorers()->Item(1);
    auto bars = explorer->GetCommandBars();  // Empty
    CHECK(!bars);
    CHECK_FAILS(bars->Item("Standard"), pwk::FailureNumber::ObjectNotSet);
    host.explorer->Value("CurrentFolder", Variant(static_cast<IDispatch*>(nullptr)));
    CHECK_FAILS(explorer->CurrentFolder()->Name(), 91);
    CHECK(!WrapApplication(nullptr));
}

struct CancellingSink : host::ApplicationEvents, host::ExplorerEvents {
    int sends = 0;
    int closes = 0;
    bool sentMail = false;
    void ItemSend(const pwk::Ref<host::Item>& item, bool& cancel) override {
        ++sends;
        sentMail = pwk::IsA<host::MailItem>(item);
        cancel = !cancel;
    }
    void Close() override { ++closes; }
};

VARIANT ByRefFlag(VARIANT_BOOL* flag) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BOOL | VT_BYREF;
    arg.pboolVal = flag;
    return arg;
}

VARIANT ObjectArg(IDispatch* object) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_DISPATCH;
    arg.pdispVal = object;
    return arg;
}

TEST_CASE("events reach the sink and by-ref flags come back") {
    Host host;
    CancellingSink sink;
    {
        auto app = WrapApplication(host.app.Get());
        pwk::Connection sends = app->Advise(sink);
        pwk::Connection closes = app->GetExplorers()->Item(1)->Advise(sink);
        CHECK(host.app->Connected(EventIds::Application) == 1);
        VARIANT_BOOL cancel = VARIANT_FALSE;
        host.app->Fire(EventIds::Application, EventIds::ItemSend,
                       {ObjectArg(host.mail.Get()), ByRefFlag(&cancel)});
        CHECK(sink.sends == 1 && sink.sentMail);
        CHECK(cancel == VARIANT_TRUE);
        host.app->Fire(EventIds::Application, EventIds::ItemSend,
                       {ObjectArg(host.mail.Get()), ByRefFlag(&cancel)});
        CHECK(cancel == VARIANT_FALSE);
        host.explorer->Fire(EventIds::Explorer, EventIds::Close, {});
        host.explorer->Fire(EventIds::Explorer, 0xF001, {});  // Activate: not handled
        CHECK(sink.closes == 1);
        // An object without the event interface refuses the connection as a failure.
        bool refused = false;
        try {
            WrapApplication(host.folder.Get())->Advise(sink);
        } catch (const pwk::Failure&) {
            refused = true;
        }
        CHECK(refused);
    }
    CHECK(host.app->Connected(EventIds::Application) == 0);
    CHECK(host.explorer->Connected(EventIds::Explorer) == 0);
}

// Runs `onSend` in the host's ItemSend and `onClose` in an explorer's Close.
struct LookingSink : host::ApplicationEvents, host::ExplorerEvents {
    std::function<void()> onSend;
    std::function<void()> onClose;
    void ItemSend(const pwk::Ref<host::Item>&, bool&) override { onSend(); }
    void Close() override { onClose(); }
};

TEST_CASE("what a handler looks up stays one object until the outermost event returns") {
    Host host;
    auto app = WrapApplication(host.app.Get());
    auto explorer = app->GetExplorers()->Item(1);
    const ULONG folderBefore = host.folder->References();
    const ULONG mapiBefore = host.mapi->References();
    LookingSink sink;
    const void* first = nullptr;
    sink.onSend = [&] {
        first = explorer->CurrentFolder().get();
        // The add-in let go of it, yet the host object is still held and the same adapter
        // comes back for it.
        CHECK(host.folder->References() > folderBefore);
        CHECK(explorer->CurrentFolder().get() == first);
        // An event inside the event: what it looks up stays past its own end.
        host.explorer->Fire(EventIds::Explorer, EventIds::Close, {});
        CHECK(host.mapi->References() > mapiBefore);
    };
    sink.onClose = [&] { CHECK(explorer->CurrentFolder()->Parent() != nullptr); };
    pwk::Connection sends = app->Advise(sink);
    pwk::Connection closes = explorer->Advise(sink);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    host.app->Fire(EventIds::Application, EventIds::ItemSend,
                   {ObjectArg(host.mail.Get()), ByRefFlag(&cancel)});
    CHECK(first != nullptr);
    CHECK(pwk::win::EventHold::Instance().Held() == 0);
    CHECK(host.folder->References() == folderBefore);
    CHECK(host.mapi->References() == mapiBefore);
    // Outside an event an object goes as soon as the add-in lets go of it.
    explorer->CurrentFolder();
    CHECK(host.folder->References() == folderBefore);
}

TEST_CASE("a text an event passes reaches the host as it is, however often and from wherever") {
    Host host;
    ComPtr<DispatchObject> items = DispatchObject::Make();
    std::vector<std::string> found;
    items->Member("Find", [&](DispatchCall& call) {
        found.push_back(call.Arg(0).ToString());
        call.Return(Variant());
    });
    host.folder->Object("Items", items);
    auto folder = WrapApplication(host.app.Get())->GetExplorers()->Item(1)->CurrentFolder();
    LookingSink sink;
    sink.onSend = [&] {
        std::string filter = "[Email1Address] = \"pat@example.com\"";
        folder->GetItems()->Find(filter);
        folder->GetItems()->Find(filter);
        // Another text where the first one was.
        filter.replace(1, 6, "Email2");
        folder->GetItems()->Find(filter);
        folder->GetItems()->Find("caf\xc3\xa9");
        CHECK(pwk::win::EventHold::Instance().Held() > 0);
    };
    pwk::Connection sends = WrapApplication(host.app.Get())->Advise(sink);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    host.app->Fire(EventIds::Application, EventIds::ItemSend,
                   {ObjectArg(host.mail.Get()), ByRefFlag(&cancel)});
    CHECK(pwk::win::EventHold::Instance().Held() == 0);
    folder->GetItems()->Find("outside");
    CHECK(found ==
          (std::vector<std::string>{
              "[Email1Address] = \"pat@example.com\"", "[Email1Address] = \"pat@example.com\"",
              "[Email2Address] = \"pat@example.com\"", "caf\xc3\xa9", "outside"}));
    items->Clear();
}

TEST_CASE(
    "an event's many texts, two to a call, each reach the host as passed, event after event") {
    Host host;
    std::vector<std::string> passed;
    host.app->Member("GetNamespace", [&](DispatchCall& call) {
        call.Return(Variant(static_cast<IDispatch*>(host.mapi.Get())));
    });
    host.mapi->Member("GetFolderFromID", [&](DispatchCall& call) {
        passed.push_back(call.Arg(0).ToString() + "|" + call.Arg(1).ToString());
        call.Return(Variant(static_cast<IDispatch*>(host.folder.Get())));
    });
    auto app = WrapApplication(host.app.Get());
    auto nameSpace = app->GetNamespace("MAPI");
    std::vector<std::string> expected;
    LookingSink sink;
    int event = 0;
    sink.onSend = [&] {
        // More texts than the first blocks and table hold, each made anew where the last one
        // was, and the first ones asked for again after the table has grown.
        for (int i = 0; i < 300; ++i) {
            const std::string entry = "entry identifier " + std::to_string(event * 1000 + i);
            const std::string store = "store " + std::to_string(i % 7);
            nameSpace->GetFolderFromID(entry, store);
            expected.push_back(entry + "|" + store);
        }
        nameSpace->GetFolderFromID("entry identifier 0", "store 0");
        expected.push_back("entry identifier 0|store 0");
    };
    pwk::Connection sends = app->Advise(sink);
    for (event = 0; event < 2; ++event) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        host.app->Fire(EventIds::Application, EventIds::ItemSend,
                       {ObjectArg(host.mail.Get()), ByRefFlag(&cancel)});
        CHECK(pwk::win::EventHold::Instance().Held() == 0);
    }
    CHECK(passed == expected);
    host.mapi->Clear();
}

TEST_CASE("nothing of the host is kept") {
    Host host;
    const std::vector<DispatchObject*> objects{host.app.Get(),      host.explorers.Get(),
                                               host.explorer.Get(), host.selection.Get(),
                                               host.mail.Get(),     host.contact.Get()};
    std::vector<ULONG> before;
    for (DispatchObject* object : objects) {
        before.push_back(object->References());
    }
    {
        auto app = WrapApplication(host.app.Get());
        CancellingSink sink;
        pwk::Connection closes = app->GetExplorers()->Item(1)->Advise(sink);
        auto items = app->GetExplorers()->Item(1)->GetSelection();
        auto mail = items->Item(1);
        items->Item(2);
        CHECK(host.selection->References() > before[3]);
        CHECK(host.mail->References() > before[4]);
    }
    CHECK(pwk::win::ObjectCache::Instance().Size() == 0);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        CHECK(objects[i]->References() == before[i]);
    }
}

// The cache's table under many entries side by side in memory, forgotten in a scrambled order:
// every entry left is still found after each removal (a removal moves its neighbours back
// correctly), and an entry another adapter took over is not forgotten by the old one.
TEST_CASE("the object cache finds every live entry through removals") {
    struct Fake : pwk::AutomationObject {};
    auto& cache = pwk::win::ObjectCache::Instance();
    const std::size_t before = cache.Size();
    constexpr std::size_t kCount = 600;
    std::vector<std::byte> memory(16 * kCount);
    std::vector<IUnknown*> identities;
    std::vector<std::shared_ptr<pwk::AutomationObject>> adapters;
    const auto holder = [](std::size_t i) {
        return reinterpret_cast<const pwk::win::DispatchHolder*>(i + 1);
    };
    for (std::size_t i = 0; i < kCount; ++i) {
        identities.push_back(reinterpret_cast<IUnknown*>(&memory[16 * i]));
        adapters.push_back(std::make_shared<Fake>());
        cache.Remember(identities[i], adapters[i], holder(i));
    }
    CHECK(cache.Size() == before + kCount);
    // Taken over by another adapter: the first one's going leaves the entry.
    const auto successor = std::make_shared<Fake>();
    cache.Remember(identities[0], successor, holder(kCount));
    cache.Forget(identities[0], holder(0));
    CHECK(cache.Find(identities[0]) == successor);
    adapters[0] = successor;

    std::vector<std::size_t> order(kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        order[i] = (i * 389) % kCount;  // 389 is prime to 600: every entry once
    }
    std::vector<bool> gone(kCount);
    std::size_t wrong = 0;
    for (std::size_t n = 0; n < kCount; ++n) {
        const std::size_t i = order[n];
        cache.Forget(identities[i], holder(i == 0 ? kCount : i));
        gone[i] = true;
        if (n % 50 == 0 || n + 1 == kCount) {
            for (std::size_t k = 0; k < kCount; ++k) {
                wrong += cache.Find(identities[k]) == (gone[k] ? nullptr : adapters[k]) ? 0 : 1;
            }
        }
    }
    CHECK(wrong == 0);
    CHECK(cache.Size() == before);
}

}  // namespace
