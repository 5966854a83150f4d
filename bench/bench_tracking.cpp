// Loading and saving a large list of tracked foldersets: the time, and how often the host is
// asked for a folder (three lookups per folderset on load, none on save).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "src/component/Component.h"
#include "src/host/Application.h"
#include "src/tracking/RegSettings.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/MemoryStorePlatform.h"

namespace {

using namespace pwk;

constexpr int kFoldersets = 1000;

// Tracing is not what is measured: entry and exit are dropped instead of recorded.
class QuietErrorLibrary : public test::FakeErrorLibrary {
  public:
    void ProcEnter(std::string_view, std::string_view) override {}
    void ProcExit(std::string_view, std::string_view) override {}
};

// The simulated host with kFoldersets folder triples and settings that track all of them.
struct Fixture {
    Fixture() : component(platform) {
        component.SetErrorObject(std::make_shared<QuietErrorLibrary>());
        for (int i = 0; i < 3; ++i) {
            const std::string name = "store-" + std::to_string(i);
            host.Mailbox().AddStore(name, name);
        }
        auto& store = platform.store;
        const std::string section = "Tracked Foldersets";
        store.SaveSetting(ProductTitle, section, "Count", std::to_string(kFoldersets));
        for (int i = 1; i <= kFoldersets; ++i) {
            const std::string key = std::to_string(i);
            const std::string store_id = "store-" + std::to_string(i % 3);
            host.AddFolder(store_id, "Contacts " + key, host::ItemType::Contact)
                ->SetEntryId("contacts-" + key);
            host.AddFolder(store_id, "Journal " + key, host::ItemType::Journal)
                ->SetEntryId("journal-" + key);
            host.AddFolder(store_id, "Emails " + key, host::ItemType::Mail)
                ->SetEntryId("emails-" + key);
            store.SaveSetting(ProductTitle, section + "\\Contacts\\EntryID", key,
                              "contacts-" + key);
            store.SaveSetting(ProductTitle, section + "\\Contacts\\StoreID", key, store_id);
            store.SaveSetting(ProductTitle, section + "\\Journals\\EntryID", key, "journal-" + key);
            store.SaveSetting(ProductTitle, section + "\\Journals\\StoreID", key, store_id);
            store.SaveSetting(ProductTitle, section + "\\Emails\\EntryID", key, "emails-" + key);
            store.SaveSetting(ProductTitle, section + "\\Emails\\StoreID", key, store_id);
        }
    }

    test::MemoryStorePlatform platform;
    Component component;
    sim::SimHost host;
    std::shared_ptr<host::Application> application = host.Application();

    std::int64_t Lookups() const { return host.Faults().Calls("NameSpace.GetFolderFromID"); }
};

void ReportLookups(benchmark::State& state, const Fixture& fixture, std::int64_t before = 0) {
    const auto lookups = static_cast<double>(fixture.Lookups() - before);
    state.counters["host_lookups_per_run"] =
        benchmark::Counter(lookups, benchmark::Counter::kAvgIterations);
    state.counters["host_lookups_per_folderset"] =
        benchmark::Counter(lookups / kFoldersets, benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * kFoldersets);
}

void BM_ReadReg1000Foldersets(benchmark::State& state) {
    Fixture fixture;
    RegSettings settings(fixture.component);
    for (auto _ : state) {
        settings.ReadReg(fixture.application);
        benchmark::DoNotOptimize(settings.TrackedFoldersets());
    }
    if (settings.TrackedFoldersets()->Count() != kFoldersets) {
        state.SkipWithError("not every folderset was loaded");
    }
    ReportLookups(state, fixture);
}
BENCHMARK(BM_ReadReg1000Foldersets)->Unit(benchmark::kMillisecond);

void BM_SaveReg1000Foldersets(benchmark::State& state) {
    Fixture fixture;
    RegSettings settings(fixture.component);
    settings.ReadReg(fixture.application);
    const std::int64_t before = fixture.Lookups();
    for (auto _ : state) {
        settings.SaveReg(fixture.application);
    }
    if (fixture.platform.store.GetSetting(ProductTitle, "Tracked Foldersets", "Count") !=
        std::to_string(kFoldersets)) {
        state.SkipWithError("the foldersets were not saved");
    }
    ReportLookups(state, fixture, before);
}
BENCHMARK(BM_SaveReg1000Foldersets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
