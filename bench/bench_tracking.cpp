// The tracked foldersets at size: loading and saving 100 and 1,000 of them on the in-memory
// store and on the SQLite file with identifiers as long as the host's, with how often the host
// is asked for a folder (three lookups per folderset on load, none on save); and
// IsTrackedFolder, which runs on every selection change, with 20 and 100 foldersets.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "bench/Goal.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "src/component/Component.h"
#include "src/host/Application.h"
#include "src/tracking/RegSettings.h"
#include "store/MemorySettingsStore.h"
#include "store/SqliteSettingsStore.h"
#include "tests/support/AddinHarness.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/NullPlatform.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace pwk;
using Clock = std::chrono::steady_clock;

constexpr int kMemory = 0;
constexpr int kSqlite = 1;
// The host's identifiers: an EntryID of 70 bytes and a StoreID of 140, in hexadecimal.
constexpr std::size_t kEntryIdLength = 140;
constexpr std::size_t kStoreIdLength = 280;
constexpr double kLinearBound = 1.2;  // cost per folderset at the larger size, against the smaller

// Tracing is not what is measured: entry and exit are dropped instead of recorded.
class QuietErrorLibrary : public test::FakeErrorLibrary {
  public:
    void ProcEnter(std::string_view, std::string_view) override {}
    void ProcExit(std::string_view, std::string_view) override {}
};

class BenchPlatform : public test::NullPlatform {
  public:
    SettingsStore& Settings() override { return *settings; }
    std::unique_ptr<SettingsStore> settings;
};

// `tag` followed by hexadecimal digits up to `length`, so that every identifier is distinct.
std::string HostId(const std::string& tag, std::size_t length) {
    std::string id = tag;
    while (id.size() < length) {
        id += "0123456789ABCDEF"[id.size() % 16];
    }
    return id;
}

// The simulated host with `foldersets` folder triples in three stores, and settings that track
// all of them.
struct Fixture {
    Fixture(int store, int foldersets) : component(platform), count(foldersets) {
        component.SetErrorObject(std::make_shared<QuietErrorLibrary>());
        if (store == kSqlite) {
            platform.settings = std::make_unique<SqliteSettingsStore>(folder / "settings.db");
        } else {
            platform.settings = std::make_unique<MemorySettingsStore>();
        }
        std::string storeIds[3];
        for (int i = 0; i < 3; ++i) {
            const std::string name = "store-" + std::to_string(i);
            storeIds[i] = HostId(name + "-", kStoreIdLength);
            host.Mailbox().AddStore(name, storeIds[i]);
        }
        SettingsStore& settings = *platform.settings;
        settings.Batch([&] {
            const std::string section = "Tracked Foldersets";
            settings.SaveSetting(ProductTitle, section, "Count", std::to_string(foldersets));
            for (int i = 1; i <= foldersets; ++i) {
                const std::string key = std::to_string(i);
                const std::string& storeId = storeIds[i % 3];
                const std::string storeName = "store-" + std::to_string(i % 3);
                for (const auto& [part, type] : {std::pair{"Contacts", host::ItemType::Contact},
                                                 std::pair{"Journals", host::ItemType::Journal},
                                                 std::pair{"Emails", host::ItemType::Mail}}) {
                    const std::string entryId =
                        HostId(std::string(part) + key + "-", kEntryIdLength);
                    host.AddFolder(storeName, std::string(part) + " " + key, type)
                        ->SetEntryId(entryId);
                    settings.SaveSetting(ProductTitle, section + "\\" + part + "\\EntryID", key,
                                         entryId);
                    settings.SaveSetting(ProductTitle, section + "\\" + part + "\\StoreID", key,
                                         storeId);
                }
            }
        });
    }

    std::int64_t Lookups() const { return host.Faults().Calls("NameSpace.GetFolderFromID"); }

    test::TempFolder folder;
    BenchPlatform platform;
    Component component;
    sim::SimHost host;
    std::shared_ptr<host::Application> application = host.Application();
    int count;
};

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->ArgsProduct({{kMemory, kSqlite}, {100, 1000}})
        ->ArgNames({"sqlite", "foldersets"})
        ->Unit(benchmark::kMillisecond);
}

void ReportLookups(benchmark::State& state, const Fixture& fixture, std::int64_t before = 0) {
    const auto lookups = static_cast<double>(fixture.Lookups() - before);
    state.counters["host_lookups_per_folderset"] =
        benchmark::Counter(lookups / fixture.count, benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * fixture.count);
}

double ReadRegSeconds(Fixture& fixture, RegSettings& settings) {
    const auto start = Clock::now();
    settings.ReadReg(fixture.application);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_ReadReg(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    RegSettings settings(fixture.component);
    for (auto _ : state) {
        settings.ReadReg(fixture.application);
        benchmark::DoNotOptimize(settings.TrackedFoldersets());
    }
    if (settings.TrackedFoldersets()->Count() != fixture.count) {
        state.SkipWithError("not every folderset was loaded");
    }
    ReportLookups(state, fixture);
}
BENCHMARK(BM_ReadReg)->Apply(Sizes);

// 1,000 foldersets against 100 from SQLite, loaded alternately in the same iteration.
void BM_ReadRegGrowth(benchmark::State& state) {
    Fixture small(kSqlite, 100);
    Fixture large(kSqlite, 1000);
    RegSettings smallSettings(small.component);
    RegSettings largeSettings(large.component);
    double smallSeconds = 0;
    double largeSeconds = 0;
    for (auto _ : state) {
        smallSeconds += ReadRegSeconds(small, smallSettings);
        largeSeconds += ReadRegSeconds(large, largeSettings);
    }
    bench_goal::Report(state, "cost per folderset at 1,000 <= 1.2x at 100",
                       largeSeconds / 1000 / (smallSeconds / 100), kLinearBound);
}
BENCHMARK(BM_ReadRegGrowth)->Unit(benchmark::kMillisecond);

void BM_SaveReg(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    RegSettings settings(fixture.component);
    settings.ReadReg(fixture.application);
    const std::int64_t before = fixture.Lookups();
    for (auto _ : state) {
        settings.SaveReg(fixture.application);
    }
    if (fixture.platform.Settings().GetSetting(ProductTitle, "Tracked Foldersets", "Count") !=
        std::to_string(fixture.count)) {
        state.SkipWithError("the foldersets were not saved");
    }
    ReportLookups(state, fixture, before);
}
BENCHMARK(BM_SaveReg)->Apply(Sizes);

// A running add-in with `foldersets` tracked foldersets, asked about a folder it does not
// track, so that the whole list is walked.
class TrackedQuestion {
  public:
    explicit TrackedQuestion(int foldersets) {
        harness_.StoreSavedSettings(ComponentVersion);
        harness_.AddTrackedFoldersets(foldersets);
        harness_.host.OpenExplorer("Mailbox/Inbox");
        harness_.Start();
        app_ = harness_.App();
        folder_ = harness_.host.Folder("Public/Suppliers");
    }

    double Seconds(int times) {
        const auto start = Clock::now();
        for (int i = 0; i < times; ++i) {
            benchmark::DoNotOptimize(app_->IsTrackedFolder(folder_));
        }
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

  private:
    test::AddinHarness harness_;
    std::shared_ptr<PWKAddinApp> app_;
    Ref<host::MAPIFolder> folder_;
};

void BM_IsTrackedFolder(benchmark::State& state) {
    TrackedQuestion question(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        question.Seconds(1);
    }
}
BENCHMARK(BM_IsTrackedFolder)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

// 100 foldersets against 20, asked alternately in the same iteration.
void BM_IsTrackedFolderGrowth(benchmark::State& state) {
    TrackedQuestion small(20);
    TrackedQuestion large(100);
    double smallSeconds = 0;
    double largeSeconds = 0;
    for (auto _ : state) {
        smallSeconds += small.Seconds(10);
        largeSeconds += large.Seconds(10);
    }
    bench_goal::Report(state, "cost per folderset at 100 <= 1.2x at 20",
                       largeSeconds / 100 / (smallSeconds / 20), kLinearBound);
}
BENCHMARK(BM_IsTrackedFolderGrowth)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
