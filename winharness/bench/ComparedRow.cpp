#include "winharness/bench/ComparedRow.h"

namespace pwk::winbench {

void ComparedRow::Fail(const std::string& error) {
    if (error_.empty()) {
        error_ = error;
    }
}

void ComparedRow::Add(const TimedRun& run, Side& side) {
    Fail(run.Error);
    side.Spent += run.Spent;
    side.Calls += run.Calls;
    ++side.Runs;
}

BenchRows::Row ComparedRow::Row(const std::string& goal, double bound) const {
    BenchRows::Row row;
    row.Name = name_;
    row.Goal = goal;
    row.Bound = bound;
    row.Error = error_;
    row.Iterations = component_.Runs;
    row.Counters = counters_;
    const auto add = [&](const std::string& prefix, const Side& side) {
        const double runs = side.Runs > 0 ? side.Runs : 1;
        row.Counters[prefix + "_ms"] = side.Spent.Processor() * 1000 / runs;
        row.Counters[prefix + "_thread_ms"] = side.Spent.Thread * 1000 / runs;
        row.Counters[prefix + "_server_ms"] = side.Spent.Server * 1000 / runs;
        row.Counters[prefix + "_wall_ms"] = side.Spent.Wall * 1000 / runs;
        row.Counters[prefix + "_invokes"] = static_cast<double>(side.Calls.Invokes) / runs;
        row.Counters[prefix + "_names"] = static_cast<double>(side.Calls.Names) / runs;
        row.Counters[prefix + "_points"] = static_cast<double>(side.Calls.Points) / runs;
        row.Counters[prefix + "_gone"] = static_cast<double>(side.Calls.Gone) / runs;
    };
    add("component", component_);
    add("floor", floor_);
    row.Milliseconds = row.Counters["component_ms"];
    const double floor = floor_.Spent.Processor();
    row.Measured = floor > 0 ? component_.Spent.Processor() / floor : 0;
    row.Counters["thread_ratio"] =
        floor_.Spent.Thread > 0 ? component_.Spent.Thread / floor_.Spent.Thread : 0;
    if (error_.empty() && (component_.Runs == 0 || floor <= 0)) {
        row.Error = "nothing was timed";
    }
    return row;
}

}  // namespace pwk::winbench
