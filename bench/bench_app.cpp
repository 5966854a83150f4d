// Start-up of the add-in (creating Connect up to the end of Init) with 100 tracked foldersets
// and 20 open windows, and the cost and memory of windows opening and closing for a long time.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <memory>
#include <string>

#include "sim/SimExplorer.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "tests/support/AddinHarness.h"

namespace {

using namespace pwk;

constexpr int kFoldersets = 100;
constexpr int kWindows = 20;

// A host with kFoldersets tracked folder triples stored in the settings and kWindows windows
// open (explorers and contact inspectors, half each).
void Prepare(test::AddinHarness& harness) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.AddTrackedFoldersets(kFoldersets);
    for (int i = 0; i < kWindows / 2; ++i) {
        harness.host.OpenExplorer("Public/Set 1/Contacts");
        auto contact = harness.host.PutItem("Public/Set 1/Contacts", host::ItemType::Contact,
                                            {{"FullName", "Contact " + std::to_string(i)}});
        harness.host.OpenItem(contact->AsItem());
    }
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto harness = std::make_unique<test::AddinHarness>();
        Prepare(*harness);
        state.ResumeTiming();
        harness->Start();
        state.PauseTiming();
        if (!harness->App() || harness->App()->HookedExplorerCount() != kWindows / 2) {
            state.SkipWithError("the add-in did not hook every window");
        }
        harness.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// Opens and closes an explorer and a contact inspector `cycles` times on a host with or
// without the add-in, and returns how much the heap grew meanwhile. The host keeps a record of
// every item it displayed, so only the difference between the two runs is the add-in's.
double HeapGrowth(bool withAddin, std::int64_t cycles, double* seconds = nullptr) {
    test::AddinHarness harness;
    harness.StoreSavedSettings(ComponentVersion);
    harness.host.OpenExplorer("Mailbox/Inbox");  // keeps the add-in alive throughout
    if (withAddin) {
        harness.Start();
    }
    auto contact =
        harness.host.PutItem("Mailbox/Contacts", host::ItemType::Contact, {{"FullName", "A B"}});
    const auto cycle = [&] {
        harness.host.Close(harness.host.OpenExplorer("Mailbox/Contacts"));
        harness.host.Close(harness.host.OpenItem(contact->AsItem()));
    };
    for (int i = 0; i < 100; ++i) {
        cycle();  // warm up caches and the allocator
    }
    const std::size_t before = HeapInUse();
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t i = 0; i < cycles; ++i) {
        cycle();
    }
    if (seconds != nullptr) {
        *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (withAddin &&
        (harness.App()->HookedExplorerCount() != 1 || harness.App()->HookedInspectorCount() != 0)) {
        return -1;  // hooks of closed windows were kept
    }
    return static_cast<double>(HeapInUse()) - static_cast<double>(before);
}

// 10,000 open/close cycles of an explorer and an inspector: the time per cycle, and the heap
// growth per cycle with the add-in against the same host without it.
void BM_OpenCloseWindows(benchmark::State& state) {
    const std::int64_t cycles = state.range(0);
    for (auto _ : state) {
        double seconds = 0;
        const double withAddin = HeapGrowth(true, cycles, &seconds);
        const double hostOnly = HeapGrowth(false, cycles);
        if (withAddin < 0) {
            state.SkipWithError("hooks of closed windows were kept");
        }
        state.SetIterationTime(seconds);
        // Compare per cycle: the host's own display record accounts for a few bytes a cycle in
        // both runs; the allocator makes single-run differences noisy, so both are shown.
        state.counters["heap_bytes_per_cycle_with_addin"] = withAddin / static_cast<double>(cycles);
        state.counters["heap_bytes_per_cycle_host_only"] = hostOnly / static_cast<double>(cycles);
    }
    state.SetItemsProcessed(state.iterations() * cycles);
}
BENCHMARK(BM_OpenCloseWindows)
    ->Arg(10000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
