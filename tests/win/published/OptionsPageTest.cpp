// The options page adapter: what the page's Initialize receives, and what becomes of the error
// object the page leaves. A page made of a DispatchObject in this process plays the page.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "keelson/Keelson.h"
#include "src/component/ApplicationInfo.h"
#include "src/component/Component.h"
#include "src/tracking/RegSettings.h"
#include "store/MemorySettingsStore.h"
#include "tests/win/support/Check.h"
#include "win/automation/DispatchObject.h"
#include "win/dispatch/DispatchHost.h"
#include "win/dispatch/PlainObject.h"
#include "win/platform/WinPlatform.h"
#include "win/published/DispatchOptionsPage.h"
#include "win/published/ErrorObject.h"
#include "win/published/OwnObjects.h"

namespace {

using pwk::win::ComPtr;
using pwk::win::DispatchCall;
using pwk::win::DispatchObject;
using pwk::win::OwnObjects;
using pwk::win::Variant;

using Info = pwk::win::PlainObject<struct InfoKind>;

// A component with an error object, and a page whose Initialize keeps its arguments and then
// does `leave` to the error object it was given by reference.
struct PageRun {
    pwk::MemorySettingsStore store;
    pwk::win::WinPlatform platform{store, nullptr};
    pwk::Component component{platform};
    std::shared_ptr<pwk::ErrorLibrary> errors = std::make_shared<pwk::Keelson>(platform);
    std::shared_ptr<pwk::RegSettings> settings = std::make_shared<pwk::RegSettings>(component);
    ComPtr<DispatchObject> application = DispatchObject::Make();
    ComPtr<DispatchObject> page = DispatchObject::Make();
    std::vector<Variant> received;
    VARTYPE errorArgType = VT_EMPTY;

    explicit PageRun(std::function<void(DispatchCall&)> leave = {}) {
        page->Member("Initialize", [this, leave](DispatchCall& call) {
            for (std::size_t i = 0; i < call.Count(); ++i) {
                received.push_back(call.Arg(i));
            }
            if (leave) {
                leave(call);
            }
        });
    }
    ~PageRun() { page->Clear(); }

    // Initialize through the adapter; the error object as the page left it.
    std::shared_ptr<pwk::ErrorLibrary> Run() {
        pwk::ApplicationInfo info{"Parleywick", "C:\\Parleywick", pwk::Version{2, 1, 7},
                                  "C:\\Parleywick\\Parleywick.hlp"};
        std::shared_ptr<pwk::ErrorLibrary> errorObject = errors;
        {
            pwk::win::DispatchOptionsPage adapter(ComPtr<IDispatch>(page.Get()));
            adapter.Initialize(WrapApplication(application.Get()), settings, "Parleywick.hlp",
                               errorObject, info);
        }
        return errorObject;
    }
};

TEST_CASE(
    "the page's Initialize receives the application, live settings, help file, error "
    "object by reference and the application information") {
    {
        PageRun run;
        CHECK(run.Run() == run.errors);
        CHECK_EQ(run.received.size(), std::size_t{5});
        if (run.received.size() == 5) {
            CHECK(run.received[0].ToDispatch() == run.application.Get());
            CHECK(OwnObjects::Instance().CoreOf<pwk::RegSettings>(run.received[1].ToDispatch()) ==
                  run.settings);
            CHECK_EQ(run.received[2].ToString(), "Parleywick.hlp");
            CHECK(OwnObjects::Instance().CoreOf<pwk::ErrorLibrary>(run.received[3].ToDispatch()) ==
                  run.errors);
            const Info info(run.received[4]);
            CHECK_EQ(info.Get("Title").ToString(), "Parleywick");
            CHECK_EQ(info.Get("Path").ToString(), "C:\\Parleywick");
            CHECK_EQ(info.Get("Minor").ToInt32(), 1);
            CHECK_EQ(info.Get("Revision").ToInt32(), 7);
            CHECK_EQ(info.Get("HelpFile").ToString(), "C:\\Parleywick\\Parleywick.hlp");
            CHECK_FAILS(info.Put("Title", "Other"), 383);
        }
        // The page still holds its arguments: our objects live until it lets go of them.
        CHECK(OwnObjects::Instance().Live() > 0);
        run.received.clear();
    }
    CHECK_EQ(OwnObjects::Instance().Live(), std::size_t{0});
}

TEST_CASE("the error object the page leaves: nothing, another of ours, a foreign one, a number") {
    {
        PageRun run(
            [](DispatchCall& call) { call.Assign(3, Variant(static_cast<IDispatch*>(nullptr))); });
        CHECK(run.Run() == nullptr);
    }
    {
        PageRun run;
        const auto other = std::make_shared<pwk::Keelson>(run.platform);
        const ComPtr<IDispatch> otherObject = pwk::win::ErrorObject::Of(other);
        run.page->Clear();
        run.page->Member("Initialize", [&otherObject](DispatchCall& call) {
            call.Assign(3, Variant(otherObject.Get()));
        });
        CHECK(run.Run() == other);
    }
    {
        const ComPtr<DispatchObject> foreign = DispatchObject::Make();
        PageRun run([&foreign](DispatchCall& call) {
            call.Assign(3, Variant(static_cast<IDispatch*>(foreign.Get())));
        });
        CHECK(run.Run() == run.errors);
        CHECK_EQ(foreign->References(), ULONG{1});
    }
    {
        PageRun run([](DispatchCall& call) { call.Assign(3, Variant(5)); });
        CHECK(run.Run() == run.errors);
    }
    CHECK_EQ(OwnObjects::Instance().Live(), std::size_t{0});
}

}  // namespace
