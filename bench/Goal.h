#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace bench_goal {

// Records a benchmark's goal, an upper bound, beside what it measured, in the same unit, and
// says in the label whether it held. The counters "goal", "measured" and "goal_held" are what
// tools/bench-summary reads from the JSON output to print its table.
inline void Report(benchmark::State& state, const std::string& goal, double measured,
                   double bound) {
    const bool held = measured <= bound;
    state.counters["goal"] = bound;
    state.counters["measured"] = measured;
    state.counters["goal_held"] = held ? 1 : 0;
    state.SetLabel("goal: " + goal + (held ? " (held)" : " (MISSED)"));
}

}  // namespace bench_goal
