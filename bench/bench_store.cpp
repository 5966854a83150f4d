// A full settings save: one batch that removes everything and rewrites 1,000 tracked
// foldersets (6,000 values of EntryID-sized text in six sections), on each backend.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "store/MemorySettingsStore.h"
#include "store/SqliteSettingsStore.h"

namespace {

using namespace pwk;

constexpr int kFoldersets = 1000;
constexpr const char* kApp = "Parleywick";
const std::string kSection = "Tracked Foldersets";
const char* const kFolders[] = {"\\Contacts\\", "\\Journals\\", "\\Emails\\"};

void SaveAll(SettingsStore& store, int generation) {
    const std::string entryId(140, static_cast<char>('A' + generation % 26));
    const std::string storeId(280, static_cast<char>('a' + generation % 26));
    store.Batch([&] {
        try {
            store.DeleteApplication(kApp);
        } catch (...) {
            // nothing stored yet
        }
        store.SaveSetting(kApp, kSection, "Count", std::to_string(kFoldersets));
        for (const char* folder : kFolders) {
            for (int i = 1; i <= kFoldersets; ++i) {
                const std::string key = std::to_string(i);
                store.SaveSetting(kApp, kSection + folder + "EntryID", key, entryId);
                store.SaveSetting(kApp, kSection + folder + "StoreID", key, storeId);
            }
        }
    });
}

void BM_MemoryRewrite(benchmark::State& state) {
    MemorySettingsStore store;
    int generation = 0;
    for (auto _ : state) {
        SaveAll(store, generation++);
    }
    state.SetItemsProcessed(state.iterations() * kFoldersets * 6);
}
BENCHMARK(BM_MemoryRewrite)->Unit(benchmark::kMillisecond);

void BM_SqliteRewrite(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "pwk-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("cannot create a temporary folder");
        return;
    }
    {
        SqliteSettingsStore store(folder + "/settings.db");
        int generation = 0;
        for (auto _ : state) {
            SaveAll(store, generation++);
        }
        state.counters["file_bytes"] =
            static_cast<double>(std::filesystem::file_size(store.Path()));
    }
    state.SetItemsProcessed(state.iterations() * kFoldersets * 6);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SqliteRewrite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
