#pragma once

#include <string>
#include <vector>

#include "tools/scenario/Command.h"
#include "tools/scenario/CommandSpec.h"
#include "tools/scenario/Tokenizer.h"

namespace pwk::scenario {

// Every command a scenario can use, with what it takes. Parsing checks each line against it,
// so a malformed line is reported before anything runs.
class CommandTable {
  public:
    static const CommandTable& Standard();

    explicit CommandTable(std::vector<CommandSpec> specs) : specs_(std::move(specs)) {}

    const std::vector<CommandSpec>& All() const { return specs_; }
    const CommandSpec* Find(const std::string& name) const;

    // Builds the command from a line's words: its name (the longest known one), arguments
    // and options, checked against the spec. Throws CommandError saying what is wrong.
    Command Resolve(const std::vector<Token>& tokens) const;

  private:
    const CommandSpec& Lookup(const std::vector<Token>& tokens, std::size_t& nameWords) const;
    static void CheckArg(const CommandSpec& spec, const ArgSpec& arg, const std::string& value);

    std::vector<CommandSpec> specs_;
};

}  // namespace pwk::scenario
