#include "winharness/bench/StartUpRuns.h"

#include "sim/SimAddInInstance.h"
#include "sim/SimOptionsPage.h"
#include "src/app/OptionsPageComponent.h"
#include "store/MemorySettingsStore.h"
#include "win/platform/RegistrySettingsStore.h"
#include "winharness/bench/BenchHost.h"
#include "winharness/bridge/ClassRegistration.h"
#include "winharness/bridge/ComAddIn.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::winbench {

namespace {

constexpr const char* kUnhooked = "the add-in did not hook every explorer and inspector";

// The host's record of the add-in and the two objects a connection hands over, as bridges.
struct Connection {
    explicit Connection(sim::SimHost& host)
        : instance(
              sim::MakeSim<sim::SimAddInInstance>(host.CorePtr(), ConnectProgID, "Parleywick ")),
          application(bridge::HostDispatch::Of(host.Application().Shared())),
          record(bridge::HostDispatch::Of(instance)) {}

    std::shared_ptr<sim::SimAddInInstance> instance;
    win::ComPtr<IDispatch> application;
    win::ComPtr<IDispatch> record;
};

}  // namespace

bridge::BridgeCalls::Counts CallsSince(const bridge::BridgeCalls::Counts& before) {
    return bridge::BridgeCalls::Instance().Counted() - before;
}

TimedRun ComponentStart(int foldersets, CallScript* script, BenchHost::Settings settings) {
    BenchHost bench(foldersets, std::make_shared<win::RegistrySettingsStore>(), true, settings);
    sim::SimHost& host = bench.harness.host;
    // What the machine offers the component by ProgID: the host's messaging library and the
    // add-in's options page.
    const bridge::ClassRegistration mapi(host::MapiSessionProgID, host.MapiSessionFactory());
    const bridge::ClassRegistration page(OptionsPageProgID,
                                         [] { return std::make_shared<sim::SimOptionsPage>(); });
    TimedRun run;
    {
        const Connection connection(host);
        if (script != nullptr) {
            script->Given(connection.application.Get());
            script->Given(connection.record.Get());
            script->Record();
        }
        const auto before = bridge::BridgeCalls::Instance().Counted();
        const CostClock clock;
        std::shared_ptr<bridge::ComAddIn> addIn;
        try {
            addIn = bridge::ComAddIn::Create(ConnectProgID);
            if (addIn) {
                addIn->OnConnection(host.Application(), host::ConnectMode::Startup,
                                    connection.instance);
                host.DoEvents();
            }
        } catch (const Failure& failure) {
            run.Error = "the connection failed: " + failure.Description;
        }
        run.Spent = clock.Elapsed();
        run.Calls = CallsSince(before);
        if (script != nullptr) {
            script->Stop();
        }
        if (!addIn) {
            run.Error = "the component could not be created by its ProgID";
        } else if (run.Error.empty() && !bench.EveryWindowHooked()) {
            run.Error = kUnhooked;
        }
        if (addIn) {
            try {
                addIn->OnDisconnection(host::DisconnectMode::HostShutdown);
            } catch (const Failure& failure) {
                run.Error = "the disconnection failed: " + failure.Description;
            }
        }
    }
    bench.Quit();
    return run;
}

TimedRun FloorStart(int foldersets, CallScript& script) {
    // The floor reads no settings: they stay in memory, out of the registry the component uses.
    BenchHost bench(foldersets, std::make_shared<MemorySettingsStore>());
    sim::SimHost& host = bench.harness.host;
    TimedRun run;
    {
        const Connection connection(host);
        const auto before = bridge::BridgeCalls::Instance().Counted();
        const CostClock clock;
        const std::size_t differing =
            script.Replay({connection.application.Get(), connection.record.Get()});
        host.DoEvents();
        run.Spent = clock.Elapsed();
        run.Calls = CallsSince(before);
        if (differing != 0) {
            run.Error = std::to_string(differing) + " calls went otherwise than recorded";
        } else if (!bench.EveryWindowHooked()) {
            run.Error = "the floor did not connect to every window";
        }
        script.Release();
    }
    bench.Quit();
    return run;
}

TimedRun CoreStart(int foldersets, const std::shared_ptr<SettingsStore>& store,
                   BenchHost::Settings settings) {
    BenchHost bench(foldersets, store, true, settings);
    TimedRun run;
    const CostClock clock;
    bench.harness.Start();
    run.Spent = clock.Elapsed();
    const auto app = bench.harness.App();
    if (!app || app->HookedExplorerCount() != BenchHost::Windows / 2 ||
        app->HookedInspectorCount() != BenchHost::Windows / 2) {
        run.Error = kUnhooked;
    }
    bench.Quit();
    return run;
}

}  // namespace pwk::winbench
