#include "tools/scenario/ScenarioParser.h"

#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Tokenizer.h"

namespace pwk::scenario {

std::optional<Command> ScenarioParser::ParseLine(const std::string& text, int line) const {
    try {
        const std::vector<Token> tokens = Tokenize(text);
        if (tokens.empty()) {
            return std::nullopt;
        }
        Command command = table_.Resolve(tokens);
        command.Line = line;
        command.Text = StripComment(text);
        return command;
    } catch (const CommandError& error) {
        throw ScenarioError(line, error.what());
    }
}

std::vector<Command> ScenarioParser::ParseAll(std::istream& in) const {
    std::vector<Command> commands;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        if (std::optional<Command> command = ParseLine(text, line)) {
            commands.push_back(std::move(*command));
        }
    }
    return commands;
}

}  // namespace pwk::scenario
