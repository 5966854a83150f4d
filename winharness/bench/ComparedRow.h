#pragma once

#include <map>
#include <string>

#include "winharness/bench/BenchRows.h"
#include "winharness/bench/StartUpRuns.h"

namespace pwk::winbench {

// One row that sets the component's runs beside its floor's: the ratio of their mean processor
// times, each side's times and calls per run as counters. The first failure of a run fails the
// row.
class ComparedRow {
  public:
    explicit ComparedRow(std::string name) : name_(std::move(name)) {}

    // Fails the row, unless `error` is empty or it failed already.
    void Fail(const std::string& error);
    bool Ok() const { return error_.empty(); }
    void AddComponent(const TimedRun& run) { Add(run, component_); }
    void AddFloor(const TimedRun& run) { Add(run, floor_); }
    void Counter(const std::string& name, double value) { counters_[name] = value; }

    BenchRows::Row Row(const std::string& goal, double bound) const;

  private:
    struct Side {
        Cost Spent;
        bridge::BridgeCalls::Counts Calls;
        int Runs = 0;
    };
    void Add(const TimedRun& run, Side& side);

    std::string name_;
    std::string error_;
    Side component_;
    Side floor_;
    std::map<std::string, double> counters_;
};

}  // namespace pwk::winbench
