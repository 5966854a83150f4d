#include "tools/scenario/Tokenizer.h"

#include <cctype>

#include "tools/scenario/ScenarioError.h"

namespace pwk::scenario {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsName(const std::string& text) {
    if (text.empty() || std::isalpha(static_cast<unsigned char>(text.front())) == 0) {
        return false;
    }
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

// Reads one word starting at `pos` (not blank, not a comment); leaves `pos` after it.
Token ReadWord(const std::string& line, std::size_t& pos) {
    Token token;
    std::optional<std::size_t> unquotedEquals;
    bool quoted = false;
    while (pos < line.size() && (quoted || !IsBlank(line[pos]))) {
        const char c = line[pos++];
        if (c != '"') {
            if (c == '=' && !quoted && !unquotedEquals) {
                unquotedEquals = token.Text.size();
            }
            token.Text.push_back(c);
        } else if (quoted && pos < line.size() && line[pos] == '"') {
            token.Text.push_back('"');
            ++pos;
        } else {
            quoted = !quoted;
        }
    }
    if (quoted) {
        throw CommandError("a double quote is not closed");
    }
    if (unquotedEquals) {
        const std::string key = token.Text.substr(0, *unquotedEquals);
        if (!IsName(key)) {
            throw CommandError("\"" + token.Text +
                               "\" is not a key=value option (quote a text holding \"=\")");
        }
        token.Key = key;
        token.Value = token.Text.substr(*unquotedEquals + 1);
    }
    return token;
}

}  // namespace

std::vector<Token> Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos == line.size() || line[pos] == '#') {
            return tokens;
        }
        tokens.push_back(ReadWord(line, pos));
    }
}

std::string StripComment(const std::string& line) {
    bool quoted = false;
    std::size_t end = line.size();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == '#' && !quoted && (i == 0 || IsBlank(line[i - 1]))) {
            end = i;
            break;
        }
    }
    std::size_t begin = 0;
    while (begin < end && IsBlank(line[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(line[end - 1])) {
        --end;
    }
    return line.substr(begin, end - begin);
}

}  // namespace pwk::scenario
