#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pwk::scenario {

// One word of a scenario line. A word runs to the next blank outside double quotes; quotes
// group blanks into it and are not part of its text (two quotes in a row inside quotes stand
// for one). `Key` is set for key=value words: the name before the first unquoted "=".
struct Token {
    std::string Text;
    std::optional<std::string> Key;
    std::string Value;
};

// Splits a line into words up to its comment: a "#" outside quotes at the start of a word.
// Throws CommandError for a quote that is not closed and for a key=value word whose key is
// not a name.
std::vector<Token> Tokenize(const std::string& line);

// The line without its comment and surrounding blanks, for echoing.
std::string StripComment(const std::string& line);

}  // namespace pwk::scenario
