#pragma once

#include <stdexcept>
#include <string>

namespace pwk::scenario {

// A scenario that cannot go on: a malformed line, an unknown folder or item, a mailbox file
// that does not load. Carries the line it happened on (0: the command line of the program).
class ScenarioError : public std::runtime_error {
  public:
    ScenarioError(int line, const std::string& message)
        : std::runtime_error(message), line_(line) {}

    int Line() const { return line_; }
    // "line 12: unknown command "flip"", or the bare message for line 0.
    std::string Describe() const {
        return line_ > 0 ? "line " + std::to_string(line_) + ": " + what() : what();
    }

  private:
    int line_;
};

// A problem found while running one command; the runner adds the command's line.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace pwk::scenario
