#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "tools/scenario/Command.h"
#include "tools/scenario/CommandTable.h"

namespace pwk::scenario {

// Reads scenario text: one command a line, "#" starts a comment, texts with blanks in double
// quotes, key=value options. Every line is checked against the command table.
class ScenarioParser {
  public:
    explicit ScenarioParser(const CommandTable& table = CommandTable::Standard()) : table_(table) {}

    // The command on the line, or nothing for a blank or comment line. Throws ScenarioError
    // naming `line` when the line is malformed.
    std::optional<Command> ParseLine(const std::string& text, int line) const;
    // Every command of a scenario, numbered by line; the first malformed line throws.
    std::vector<Command> ParseAll(std::istream& in) const;

  private:
    const CommandTable& table_;
};

}  // namespace pwk::scenario
