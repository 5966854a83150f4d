// Items.Find on a folder of contacts: the e-mail and name fields are indexed, so a Find on
// 100,000 contacts should cost about what it costs on 10. A Find on a field without an index
// (Body) scans, for comparison.
#include <benchmark/benchmark.h>

#include <string>

#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "src/host/Items.h"

namespace {

using pwk::sim::SimHost;

constexpr const char* Folder = "Acme Public/Contacts";

void Fill(SimHost& host, std::int64_t count) {
    host.Mailbox().AddStore("Acme Public");
    host.AddFolder("Acme Public", "Contacts", pwk::host::ItemType::Contact);
    for (std::int64_t i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        host.PutItem(Folder, pwk::host::ItemType::Contact,
                     {{"FullName", "Contact " + n},
                      {"CompanyName", "Company " + std::to_string(i % 100)},
                      {"Email1Address", "contact" + n + "@example.com"},
                      {"Email3Address", "c" + n + "@home.example"},
                      {"Body", "notes on " + n}});
    }
}

void Find(benchmark::State& state, const std::string& field, const std::string& valueOfLast) {
    SimHost host;
    Fill(host, state.range(0));
    auto items = host.Folder(Folder)->GetItems();
    const std::string filter = "[" + field + "] = \"" + valueOfLast + "\"";
    for (auto _ : state) {
        benchmark::DoNotOptimize(items->Find(filter));
    }
}

void BM_FindByEmail1(benchmark::State& state) {
    Find(state, "Email1Address", "contact" + std::to_string(state.range(0)) + "@example.com");
}

void BM_FindByEmail3(benchmark::State& state) {
    Find(state, "Email3Address", "c" + std::to_string(state.range(0)) + "@home.example");
}

void BM_FindMissingAddress(benchmark::State& state) {
    Find(state, "Email2Address", "nobody@example.com");
}

void BM_FindByBodyScans(benchmark::State& state) {
    Find(state, "Body", "notes on " + std::to_string(state.range(0)));
}

BENCHMARK(BM_FindByEmail1)->Arg(10)->Arg(100000);
BENCHMARK(BM_FindByEmail3)->Arg(10)->Arg(100000);
BENCHMARK(BM_FindMissingAddress)->Arg(10)->Arg(100000);
BENCHMARK(BM_FindByBodyScans)->Arg(10)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
