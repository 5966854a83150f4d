#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pwk::winbench {

// The rows of one run, written in the JSON layout Google Benchmark writes, so that
// tools/bench-summary.py reads them beside the Linux programs' rows: each row's goal, what it
// measured and whether the goal held (bench/Goal.h labels them the same way). A row may take
// its bound from another program's row instead ("goal_of", times "goal_factor"); the summary
// computes it.
class BenchRows {
  public:
    struct Row {
        std::string Name;
        std::string Goal;  // the goal in words
        double Measured = 0;
        double Bound = 0;
        int Iterations = 0;
        double Milliseconds = 0;  // the time the row's name stands for, per iteration
        std::map<std::string, double> Counters;
        std::string Error;   // set: the row failed, whatever it measured
        std::string GoalOf;  // set: the bound is GoalFactor times that row's measure
        double GoalFactor = 0;
    };

    void Add(Row row) { rows_.push_back(std::move(row)); }
    // A line the summary prints under the table: something this run could not measure as it
    // should, which every row it touches is read with.
    void Note(std::string note) { notes_.push_back(std::move(note)); }
    // The JSON text of every row.
    std::string Json() const;
    // One line a row, for the terminal.
    std::string Text() const;

  private:
    std::vector<Row> rows_;
    std::vector<std::string> notes_;
};

}  // namespace pwk::winbench
