// The real component driven by the simulated host: created by ProgID, connected to the host's
// bridged objects, and compared with the core run on the simulated host directly, as on Linux
// (same mailbox, same steps): the boxes of a first start, the buttons on the explorer, the
// settings written. After the quit the host's audit finds nothing held and no bridge is left.
// Sent mail through the component is compared by the scenario files (win.compare.*).
// Usage: test_win_simhost <path of PWKCommon.dll> <path of a mailbox file>
// The cases run in order and share the loaded component.
#include <windows.h>

#include <string>
#include <vector>

#include "keelson/RegisterKeelson.h"
#include "sim/MailboxLoader.h"
#include "sim/ScriptedFileUtility.h"
#include "sim/ScriptedPlatform.h"
#include "sim/SimAddInInstance.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimOptionsPage.h"
#include "src/app/OptionsPageComponent.h"
#include "src/component/Component.h"
#include "src/host/MapiSession.h"
#include "src/platform/FileUtility.h"
#include "src/resources/Version.h"
#include "src/startup/Connect.h"
#include "store/MemorySettingsStore.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "win/com/IDTExtensibility2.h"
#include "win/combase/Unique.h"
#include "win/combase/WideText.h"
#include "win/platform/RegistrySettingsStore.h"
#include "winharness/bridge/ClassRegistration.h"
#include "winharness/bridge/HostDispatch.h"
#include "winharness/testhost/BoxAnswerer.h"

using pwk::bridge::ClassRegistration;
using pwk::bridge::HostDispatch;
using pwk::testhost::BoxAnswerer;
using pwk::win::ComPtr;
using pwk::win::IDTExtensibility2;
using pwk::wintest::Argument;
using pwk::wintest::CallExport;
using pwk::wintest::CreateAddIn;
namespace host = pwk::host;
namespace sim = pwk::sim;

namespace {

// A host process: the mailbox, an explorer on the Inbox, the user's clock as on Linux.
std::unique_ptr<sim::SimHost> StartHost() {
    auto host = std::make_unique<sim::SimHost>();
    host->ThrowOnEscapedFailures(false);
    sim::MailboxLoader::LoadFile(*host, pwk::win::Narrow(Argument(2, L"demo-mailbox.json")));
    host->OpenExplorer("Mailbox - Pat Jones/Inbox");
    return host;
}

// Every control on the explorer's bars that the host did not bring, as "bar: caption [tag]".
std::vector<std::string> AddedControls(sim::SimHost& host) {
    std::vector<std::string> added;
    const auto explorer = host.Application()->GetExplorers()->Item(1);
    const auto& window = dynamic_cast<sim::SimExplorer&>(*explorer);
    for (const auto& bar : window.Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            if (!control.Spec.BuiltIn) {
                added.push_back(bar->AuditName() + ": " + control.Spec.Caption + " [" +
                                control.Spec.Tag + "]");
            }
        });
    }
    return added;
}

// Nothing of the host held and no bridge alive once the host has quit; says what is left.
bool NothingLeft(sim::SimHost& host) {
    for (const auto& object : host.HeldObjects()) {
        std::printf("held: %s \"%s\" x%ld\n", object.Type.c_str(), object.Name.c_str(),
                    object.Holders);
    }
    for (const auto& escaped : host.TakeEscapedFailures()) {
        std::printf("escaped from %s: %s\n", escaped.Event.c_str(), escaped.Description.c_str());
    }
    if (HostDispatch::Live() != 0) {
        std::printf("bridges alive: %zu\n", HostDispatch::Live());
    }
    return host.HeldObjects().empty() && HostDispatch::Live() == 0;
}

// The core run on the simulated host directly, as the Linux programs run it: the scripted
// platform (boxes take their default button, as the box answerer chooses), settings in memory.
class CoreOnHost {
  public:
    explicit CoreOnHost(sim::SimHost& host) : host_(host) {
        platform.SetSettings(store);
        files->SetDefaultFolder("C:\\Logs\\");
        auto& factories = platform.Factories();
        pwk::RegisterKeelson(factories, platform);
        factories.Register(pwk::FileUtilityProgID, [this] { return files; });
        factories.Register(host::MapiSessionProgID, host.MapiSessionFactory());
        factories.Register(pwk::OptionsPageProgID,
                           [] { return std::make_shared<sim::SimOptionsPage>(); });
        factories.Register(pwk::ConnectProgID,
                           [this] { return std::make_shared<pwk::Connect>(component); });
    }

    void Start() { host_.LoadAddIn(platform.Factories(), pwk::ConnectProgID); }

    sim::ScriptedPlatform platform;
    std::shared_ptr<pwk::MemorySettingsStore> store = std::make_shared<pwk::MemorySettingsStore>();
    std::shared_ptr<sim::ScriptedFileUtility> files = std::make_shared<sim::ScriptedFileUtility>();
    pwk::Component component{platform};

  private:
    sim::SimHost& host_;
};

// The components the machine of the simulated host offers by ProgID, for the real component's
// CoCreateInstance: the host's messaging library and the add-in's options page.
struct MachineComponents {
    explicit MachineComponents(sim::SimHost& host)
        : mapi(host::MapiSessionProgID, host.MapiSessionFactory()),
          page(pwk::OptionsPageProgID, [] { return std::make_shared<sim::SimOptionsPage>(); }) {}

    ClassRegistration mapi;
    ClassRegistration page;
};

pwk::win::UniqueModule component;

TEST_CASE("the component registers itself") {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    component = pwk::win::UniqueModule(LoadLibraryW(Argument(1, L"PWKCommon.dll").c_str()));
    CHECK(component);
    CHECK(CallExport(component.Get(), "DllRegisterServer") == S_OK);
}

TEST_CASE(
    "a first start shows real boxes, hooks the explorer and writes the settings as the "
    "core does on the simulated host") {
    // The core on the simulated host.
    std::vector<std::string> expectedControls;
    std::vector<std::string> expectedBoxes;
    std::vector<std::string> expectedSettings;
    {
        auto host = StartHost();
        CoreOnHost core(*host);
        core.Start();
        expectedControls = AddedControls(*host);
        for (const auto& box : core.platform.MessageBoxes()) {
            expectedBoxes.push_back(box.Title);
        }
        host->Quit();
        expectedSettings = core.store->Dump(pwk::ProductTitle);
        CHECK(NothingLeft(*host));
    }

    // The real component, on a machine where it never ran.
    pwk::win::RegistrySettingsStore registry;
    try {
        registry.DeleteApplication(pwk::ProductTitle);
    } catch (const pwk::Failure&) {
        // Nothing stored yet.
    }
    auto host = StartHost();
    {
        const MachineComponents machine(*host);
        BoxAnswerer boxes;
        ComPtr<IDTExtensibility2> addIn = CreateAddIn();
        CHECK(static_cast<bool>(addIn));
        if (!addIn) {
            return;
        }
        auto instance =
            sim::MakeSim<sim::SimAddInInstance>(host->CorePtr(), pwk::ConnectProgID, "Parleywick ");
        SAFEARRAY* custom = nullptr;
        {
            const ComPtr<IDispatch> app = HostDispatch::Of(host->Application().Shared());
            const ComPtr<IDispatch> record = HostDispatch::Of(instance);
            CHECK(addIn->OnConnection(app.Get(), host::ConnectMode::Startup, record.Get(),
                                      &custom) == S_OK);
        }
        CHECK(addIn->OnStartupComplete(&custom) == S_OK);
        host->DoEvents();

        std::vector<std::string> shown;
        for (const auto& box : boxes.Answered()) {
            std::printf("box answered: [%s] %s\n", box.Caption.c_str(), box.Text.c_str());
            shown.push_back(box.Caption);
        }
        CHECK(shown == expectedBoxes);
        CHECK(!boxes.Answered().empty() &&
              boxes.Answered().front().Text.rfind("Welcome to Parleywick!", 0) == 0);
        const std::vector<std::string> controls = AddedControls(*host);
        for (const std::string& control : controls) {
            std::printf("added: %s\n", control.c_str());
        }
        CHECK(controls == expectedControls);
        CHECK(!controls.empty() && controls.front() == "Standard: Phone Call [ACTION_PhoneCall0]");

        CHECK(addIn->OnBeginShutdown(&custom) == S_OK);
        CHECK(addIn->OnDisconnection(host::DisconnectMode::HostShutdown, &custom) == S_OK);
        addIn.Reset();
        instance.reset();
    }
    // Let go at the disconnection already, with the host's windows still open.
    CHECK(NothingLeft(*host));
    host->Quit();
    CHECK(NothingLeft(*host));
    CHECK(registry.Dump(pwk::ProductTitle) == expectedSettings);
}

TEST_CASE("the component can unload and unregisters itself") {
    const auto end = pwk::wintest::EndComponent(component);
    CHECK(end.CanUnload == S_OK);
    CHECK(end.Unregistered == S_OK);
}

}  // namespace
