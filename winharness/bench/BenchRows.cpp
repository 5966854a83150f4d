#include "winharness/bench/BenchRows.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace pwk::winbench {

std::string BenchRows::Json() const {
    nlohmann::json benchmarks = nlohmann::json::array();
    for (const Row& row : rows_) {
        nlohmann::json bench = {{"name", row.Name},
                                {"run_name", row.Name},
                                {"run_type", "iteration"},
                                {"iterations", row.Iterations},
                                {"real_time", row.Milliseconds},
                                {"cpu_time", row.Milliseconds},
                                {"time_unit", "ms"}};
        if (!row.Error.empty()) {
            bench["error_occurred"] = true;
            bench["error_message"] = row.Error;
        }
        const bool held = row.Measured <= row.Bound;
        bench["goal"] = row.Bound;
        bench["measured"] = row.Measured;
        bench["goal_held"] = held ? 1 : 0;
        bench["label"] = "goal: " + row.Goal + (held ? " (held)" : " (MISSED)");
        if (!row.GoalOf.empty()) {
            bench["goal_of"] = row.GoalOf;
            bench["goal_factor"] = row.GoalFactor;
        }
        for (const auto& [name, value] : row.Counters) {
            bench[name] = value;
        }
        benchmarks.push_back(std::move(bench));
    }
    const nlohmann::json results = {
        {"context",
         {{"executable", "bench_com"}, {"library_build_type", "release"}, {"notes", notes_}}},
        {"benchmarks", std::move(benchmarks)}};
    return results.dump(2) + "\n";
}

std::string BenchRows::Text() const {
    std::string text;
    for (const std::string& note : notes_) {
        text += note + "\n";
    }
    for (const Row& row : rows_) {
        char line[512];
        std::snprintf(line, sizeof(line), "%-48s %10.3f  %s%s\n", row.Name.c_str(), row.Measured,
                      row.Goal.c_str(),
                      row.Error.empty() ? "" : ("  FAILED: " + row.Error).c_str());
        text += line;
    }
    return text;
}

}  // namespace pwk::winbench
