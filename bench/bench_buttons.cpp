// The add-in's buttons under load: a folder switch and a selection change in an explorer hooked
// with 20 tracked foldersets, and the heap over 10,000 open/close cycles of a tracked contact's
// inspector with its ten controls, counted exactly by this program's own allocator.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/Goal.h"
#include "bench/HeapCounter.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "tests/support/AddinHarness.h"

namespace {

using namespace pwk;

constexpr int kFoldersets = 20;
const std::string kInbox = "Mailbox/Inbox";

std::string Contacts(int set) {
    return "Public/Set " + std::to_string(set) + "/Contacts";
}

// kFoldersets tracked folder triples stored in the settings, each contacts folder with two
// contacts; an explorer open on the Inbox.
void Prepare(test::AddinHarness& harness) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.AddTrackedFoldersets(kFoldersets);
    for (int i = 1; i <= kFoldersets; ++i) {
        for (const char* contact : {"Ann Example", "Bo Example"}) {
            harness.host.PutItem(Contacts(i), host::ItemType::Contact,
                                 {{"FullName", std::string(contact) + " " + std::to_string(i)}});
        }
    }
}

// Folder switches between the Inbox and the last tracked contacts folder (the one the folder
// test reaches last); each switch is the host's FolderSwitch followed by SelectionChange.
void BM_FolderSwitch(benchmark::State& state) {
    test::AddinHarness harness;
    Prepare(harness);
    auto explorer = harness.host.OpenExplorer(kInbox);
    harness.Start();
    bool toContacts = true;
    for (auto _ : state) {
        harness.host.SwitchFolder(explorer, toContacts ? Contacts(kFoldersets) : kInbox);
        toContacts = !toContacts;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FolderSwitch)->Unit(benchmark::kMicrosecond);

// One contact selected after the other in the last tracked contacts folder: the buttons are
// disabled, then enabled with tooltips naming the contact.
void BM_SelectionChange(benchmark::State& state) {
    test::AddinHarness harness;
    Prepare(harness);
    auto explorer = harness.host.OpenExplorer(Contacts(kFoldersets));
    harness.Start();
    const auto folder = harness.host.Folder(Contacts(kFoldersets));
    const std::shared_ptr<host::Item> contacts[] = {folder->Contents()[0]->AsItem(),
                                                    folder->Contents()[1]->AsItem()};
    std::size_t next = 0;
    for (auto _ : state) {
        harness.host.Select(explorer, {contacts[next]});
        next = 1 - next;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SelectionChange)->Unit(benchmark::kMicrosecond);

// Bytes still in use after `cycles` open/close cycles of a tracked contact's inspector, less
// the bytes in use before them, on a host with or without the add-in.
std::int64_t InspectorCyclesGrowth(bool withAddin, std::int64_t cycles, int* controls) {
    test::AddinHarness harness;
    Prepare(harness);
    harness.host.OpenExplorer(kInbox);  // keeps the add-in alive throughout
    if (withAddin) {
        harness.Start();
    }
    const auto contact = harness.host.Folder(Contacts(1))->Contents()[0]->AsItem();
    // The host's own records of shown items and of the objects it made would grow with the
    // cycles: the first is emptied each cycle, the second pruned where the heap is measured.
    // It keeps no log of references given back unless asked.
    const auto cycle = [&] {
        harness.host.Close(harness.host.OpenItem(contact));
        harness.host.ForgetDisplayed();
    };
    for (int i = 0; i < 100; ++i) {
        cycle();  // warm-up: caches and the host's records reach their working size
    }
    const auto inspector = harness.host.OpenItem(contact);
    *controls = 0;
    for (const auto& bar : inspector->Bars().Bars()) {
        bar->ForEachControl([&](sim::SimControlState& control) {
            *controls += control.Spec.OnAction.empty() ? 0 : 1;
        });
    }
    harness.host.Close(inspector);
    cycle();
    harness.host.HeldObjects();
    const std::int64_t before = heap_counter::bytesInUse;
    for (std::int64_t i = 0; i < cycles; ++i) {
        cycle();
    }
    harness.host.HeldObjects();
    return heap_counter::bytesInUse - before;
}

void BM_InspectorOpenCloseHeap(benchmark::State& state) {
    const std::int64_t cycles = state.range(0);
    for (auto _ : state) {
        int controls = 0;
        int hostControls = 0;
        const std::int64_t withAddin = InspectorCyclesGrowth(true, cycles, &controls);
        const std::int64_t hostOnly = InspectorCyclesGrowth(false, cycles, &hostControls);
        if (controls != 10) {
            state.SkipWithError("the tracked contact's inspector did not get its ten controls");
        }
        state.counters["heap_growth_bytes_with_addin"] = static_cast<double>(withAddin);
        state.counters["heap_growth_bytes_host_only"] = static_cast<double>(hostOnly);
        bench_goal::Report(state, "add-in keeps 0 bytes a cycle",
                           static_cast<double>(withAddin - hostOnly) / static_cast<double>(cycles),
                           0);
    }
}
BENCHMARK(BM_InspectorOpenCloseHeap)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
