// The cost of crossing COM, under Wine: the real PWKCommon.dll started through the bridge with
// 100 and 1,000 tracked foldersets and 20 windows, and one send filed by it, each against a
// floor that makes the very host calls the component made (recorded from its run) through the
// same bridge, with no add-in logic around them; and the registry store's share of a start.
// Processor time is this thread's plus the Wine server's (which does the registry's work for
// the process); the wall time is a counter. The rows are written as Google Benchmark's JSON so
// that tools/bench-summary.py reads them with the Linux programs' rows.
// Usage: bench_com <path of PWKCommon.dll> [--benchmark_out=FILE] [--foldersets=100,1000]
//                  [--sends=10x5,50x20] [--iterations=3]
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "src/resources/Version.h"
#include "store/MemorySettingsStore.h"
#include "tests/win/support/ComponentCalls.h"
#include "win/combase/WideText.h"
#include "win/platform/RegistrySettingsStore.h"
#include "winharness/bench/BenchOptions.h"
#include "winharness/bench/BenchRows.h"
#include "winharness/bench/ComparedRow.h"
#include "winharness/bench/RegistryShare.h"
#include "winharness/bench/SendRuns.h"
#include "winharness/bench/StartUpRuns.h"

namespace {

using namespace pwk::winbench;

using Settings = pwk::winbench::BenchHost::Settings;

// The component's start-up and its floor at one size, alternating. The settings are written
// once, before the first start (the recorded one, whose cost is shown beside the row), and the
// measured starts find them as the start before them saved them, with the component's read
// cache of them: a desk's start on any day but the one after an administrator's change.
void StartUpRows(int foldersets, int iterations, BenchRows& rows) {
    ComparedRow compared("BM_ComStartUp/foldersets:" + std::to_string(foldersets));
    CallScript script;
    const TimedRun recorded = ComponentStart(foldersets, &script, Settings::Written);
    if (!recorded.Error.empty()) {
        compared.Fail(recorded.Error);
    } else if (script.Held() != 0 || script.Unsupported() != 0) {
        compared.Fail("the recorded start-up cannot be made again exactly");
    } else {
        compared.Fail(FloorStart(foldersets, script).Error);
    }
    // The start after the one that followed the change: every key read settled.
    compared.Fail(ComponentStart(foldersets, nullptr, Settings::Kept).Error);
    Cost core;
    for (int i = 0; i < iterations && compared.Ok(); ++i) {
        compared.AddComponent(ComponentStart(foldersets, nullptr, Settings::Kept));
        compared.AddFloor(FloorStart(foldersets, script));
        core += CoreStart(foldersets, std::make_shared<pwk::MemorySettingsStore>()).Spent;
    }
    compared.Counter("core_memory_ms", core.Processor() * 1000 / iterations);
    compared.Counter("first_start_ms", recorded.Spent.Processor() * 1000);
    rows.Add(compared.Row("component <= 1.2x its floor through COM", 1.2));
}

// The registry store's share of a start at one size: its batch against plain writes, and the
// whole start on the registry store against the Linux start on the SQLite store. The settings
// are written before a first start, which is shown beside the rows; the measured starts follow
// a start that saw the same settings, as StartUpRows' do.
void RegistryRows(int foldersets, int iterations, BenchRows& rows) {
    const RegistryShare first = MeasureRegistryShare(foldersets, Settings::Written);
    std::string error = first.Start.Error;
    if (error.empty()) {
        error = MeasureRegistryShare(foldersets, Settings::Kept).Start.Error;
    }
    Cost batch;
    Cost plain;
    Cost start;
    std::size_t values = 0;
    pwk::win::RegistryReadCache::Counts keys;
    for (int i = 0; i < iterations && error.empty(); ++i) {
        const RegistryShare share = MeasureRegistryShare(foldersets, Settings::Kept);
        batch += share.Batch;
        plain += share.Plain;
        start += share.Start.Spent;
        values = share.Values;
        keys = share.Keys;
        error = share.Start.Error;
    }
    const double n = iterations;
    const std::string size = "foldersets:" + std::to_string(foldersets);
    BenchRows::Row save;
    save.Name = "BM_RegistrySave/" + size;
    save.Goal = "crash-safe batch <= 2x plain writes of its values";
    save.Iterations = iterations;
    save.Milliseconds = batch.Processor() * 1000 / n;
    save.Measured = plain.Processor() > 0 ? batch.Processor() / plain.Processor() : 0;
    save.Bound = 2.0;
    save.Error = error;
    save.Counters = {{"batch_ms", batch.Processor() * 1000 / n},
                     {"batch_thread_ms", batch.Thread * 1000 / n},
                     {"batch_wall_ms", batch.Wall * 1000 / n},
                     {"plain_ms", plain.Processor() * 1000 / n},
                     {"plain_wall_ms", plain.Wall * 1000 / n},
                     {"first_batch_ms", first.Batch.Processor() * 1000},
                     {"first_plain_ms", first.Plain.Processor() * 1000},
                     {"values", static_cast<double>(values)}};
    rows.Add(save);

    BenchRows::Row startUp;
    startUp.Name = "BM_RegistryStartUp/" + size;
    startUp.Goal = "< 2x the SQLite store's start-up (BM_StartUp/sqlite:1, Linux)";
    startUp.Iterations = iterations;
    startUp.Milliseconds = start.Processor() * 1000 / n;
    startUp.Measured = startUp.Milliseconds;
    startUp.GoalOf = "BM_StartUp/sqlite:1/" + size + "/manual_time";
    startUp.GoalFactor = 2.0;
    startUp.Error = error;
    startUp.Counters = {{"thread_ms", start.Thread * 1000 / n},
                        {"server_ms", start.Server * 1000 / n},
                        {"wall_ms", start.Wall * 1000 / n},
                        {"keys_kept", static_cast<double>(keys.Kept)},
                        {"keys_listed", static_cast<double>(keys.Listed)},
                        {"keys_trusted", static_cast<double>(keys.Trusted)},
                        {"first_start_ms", first.Start.Spent.Processor() * 1000},
                        {"first_keys_listed", static_cast<double>(first.Keys.Listed)}};
    rows.Add(startUp);
}

// One send through the component and its floor, alternating on fresh mails.
void SendRows(const SendSize& size, int iterations, BenchRows& rows) {
    ComparedRow compared("BM_ComSend/recipients:" + std::to_string(size.Recipients) +
                         "/foldersets:" + std::to_string(size.Foldersets));
    SendRuns runs(size.Recipients, size.Foldersets);
    CallScript script;
    compared.Fail(runs.Error());
    if (compared.Ok()) {
        compared.Fail(runs.Component(&script).Error);
    }
    if (compared.Ok() && script.Unsupported() != 0) {
        compared.Fail("the recorded send cannot be made again exactly");
    }
    if (compared.Ok()) {
        compared.Fail(runs.Floor(script).Error);
    }
    for (int i = 0; i < iterations && compared.Ok(); ++i) {
        compared.AddComponent(runs.Component(nullptr));
        compared.AddFloor(runs.Floor(script));
    }
    rows.Add(compared.Row("component <= 1.2x its floor through COM", 1.2));
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = BenchOptions::Parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "%s\n", BenchOptions::Usage);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    pwk::win::UniqueModule component(LoadLibraryW(pwk::win::Widen(options->Dll).c_str()));
    if (!component || pwk::wintest::CallExport(component.Get(), "DllRegisterServer") != S_OK) {
        std::fprintf(stderr, "bench_com: %s cannot be loaded and registered\n",
                     options->Dll.c_str());
        return 1;
    }
    CostClock::TakeMainThread();
    BenchRows rows;
    if (!CostClock::SeesServer()) {
        rows.Note(
            "bench_com: the Wine server's processor time could not be read (no one server of "
            "this prefix was found): the Windows rows leave it out.");
    }
    if (!CostClock::SeesThread()) {
        rows.Note("bench_com: the thread's processor time was read in Wine's ticks of 10 ms.");
    }
    for (const int foldersets : options->Foldersets) {
        StartUpRows(foldersets, options->Iterations, rows);
        RegistryRows(foldersets, options->Iterations, rows);
    }
    for (const SendSize& size : options->Sends) {
        SendRows(size, options->Iterations * 10, rows);
    }
    try {
        pwk::win::RegistrySettingsStore().DeleteApplication(pwk::ProductTitle);
    } catch (const pwk::Failure&) {
        // Nothing stored.
    }
    pwk::wintest::EndComponent(component);
    std::fputs(rows.Text().c_str(), stdout);
    if (!options->Out.empty()) {
        std::ofstream(options->Out, std::ios::binary) << rows.Json();
    }
    return 0;
}
