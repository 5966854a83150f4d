// What tracing costs a traced procedure: with tracing off (the usual case) it must stay within
// 50 ns of a plain call; with tracing on the log must take at least 500,000 lines a second.
// Then what a line logged on purpose costs, each written to the file at once.
// After the timings, a check that a normal shutdown leaves every traced line in the log.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "keelson/Keelson.h"
#include "sim/ScriptedPlatform.h"
#include "src/component/Component.h"
#include "src/errors/Procedure.h"

namespace {

using namespace pwk;

// A started error library on a scripted platform, installed in a component.
struct Fixture {
    explicit Fixture(bool trace) {
        keelson->SetApplicationName("PWKCommon");
        keelson->SetLogPath("C:\\Logs");
        keelson->SetLogFilename("PWK");
        keelson->SetTrace(trace);
        keelson->Start();
        component.SetErrorObject(keelson);
    }

    sim::ScriptedPlatform platform;
    std::shared_ptr<Keelson> keelson = std::make_shared<Keelson>(platform);
    Component component{platform};
};

[[gnu::noinline]] void Work(int& counter) {
    benchmark::DoNotOptimize(++counter);
}

[[gnu::noinline]] void PlainProcedure(int& counter) {
    Work(counter);
}

[[gnu::noinline]] void TracedProcedure(Component& component, int& counter) {
    Procedure proc(component, "BenchModule", "TracedProcedure", Boundary::Internal);
    proc.Run([&] { Work(counter); });
}

void BM_PlainCall(benchmark::State& state) {
    int counter = 0;
    for (auto _ : state) {
        PlainProcedure(counter);
    }
}
BENCHMARK(BM_PlainCall);

void BM_TracedCallTracingOff(benchmark::State& state) {
    Fixture fixture(false);
    int counter = 0;
    for (auto _ : state) {
        TracedProcedure(fixture.component, counter);
    }
}
BENCHMARK(BM_TracedCallTracingOff);

// Traced calls inside a host event (an outermost procedure that stays open): the buffered cost
// of a line.
void BM_TracedCallTracingOn(benchmark::State& state) {
    Fixture fixture(true);
    int counter = 0;
    fixture.keelson->ProcEnter("BenchModule", "Event");
    for (auto _ : state) {
        TracedProcedure(fixture.component, counter);
    }
    fixture.keelson->ProcExit("BenchModule", "Event");
    // Each call writes an entry and an exit line.
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["lines_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations() * 2), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TracedCallTracingOn);

// One host event of a single traced call with tracing on: the event's end writes its trace to
// the file.
void BM_TracedEventTracingOn(benchmark::State& state) {
    Fixture fixture(true);
    int counter = 0;
    for (auto _ : state) {
        TracedProcedure(fixture.component, counter);
    }
}
BENCHMARK(BM_TracedEventTracingOn);

// A line the add-in logs on purpose is written to the file at once: the cost of one such write.
void BM_LoggedLine(benchmark::State& state) {
    Fixture fixture(false);
    for (auto _ : state) {
        fixture.keelson->LogText("Invalid version is: Outlook 11.0.5510  {unknown}");
    }
}
BENCHMARK(BM_LoggedLine);

// Keeps the time per call of each benchmark so that main can report the difference.
class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

// Not timed: a normal shutdown (the error object released) must leave every line in the log.
bool EveryLineSurvivesShutdown() {
    constexpr int kCalls = 100000;
    sim::ScriptedPlatform platform;
    std::string path;
    {
        Fixture fixture(true);
        int counter = 0;
        fixture.keelson->ProcEnter("BenchModule", "Event");
        for (int i = 0; i < kCalls; ++i) {
            TracedProcedure(fixture.component, counter);
        }
        path = fixture.keelson->LogFileNativePath();
        fixture.component.SetErrorObject(nullptr);
        fixture.keelson.reset();
        std::ifstream log(path);
        int enters = 0;
        int exits = 0;
        for (std::string line; std::getline(log, line);) {
            enters += line.ends_with("> BenchModule.TracedProcedure") ? 1 : 0;
            exits += line.ends_with("< BenchModule.TracedProcedure") ? 1 : 0;
        }
        std::cout << "Shutdown check: " << enters << " entry and " << exits << " exit lines of "
                  << kCalls << " calls\n";
        return enters == kCalls && exits == kCalls;
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto plain = reporter.nanoseconds.find("BM_PlainCall");
    const auto traced = reporter.nanoseconds.find("BM_TracedCallTracingOff");
    if (plain != reporter.nanoseconds.end() && traced != reporter.nanoseconds.end()) {
        const double extra = traced->second - plain->second;
        std::cout << "Traced call with tracing off costs " << extra
                  << " ns more than a plain call (target: under 50 ns): "
                  << (extra < 50.0 ? "met" : "NOT MET") << "\n";
    }
    return EveryLineSurvivesShutdown() ? 0 : 1;
}
