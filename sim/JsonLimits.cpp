#include "sim/JsonLimits.h"

#include <cmath>
#include <cstdlib>

#include "sim/MailboxError.h"

namespace pwk::sim {

namespace {

bool NumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// Line and column, from 1, of the character at `at`.
class Position {
  public:
    void Advance(char c) {
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
    }
    std::string Where(const std::string& source) const {
        return source + ": line " + std::to_string(line_) + ", column " + std::to_string(column_);
    }

  private:
    std::size_t line_ = 1;
    std::size_t column_ = 1;
};

}  // namespace

void JsonLimits::Check(const std::string& text, const std::string& source) {
    Position position;
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\' && i + 1 < text.size()) {
                position.Advance(c);
                ++i;  // the escaped character cannot end the string
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > MaxDepth) {
                throw MailboxError(position.Where(source) +
                                   ": lists and objects nest deeper than " +
                                   std::to_string(MaxDepth) + " levels");
            }
        } else if (c == ']' || c == '}') {
            --depth;
        } else if ((c >= '0' && c <= '9') || c == '-') {
            std::size_t end = i;
            while (end < text.size() && NumberChar(text[end])) {
                ++end;
            }
            const std::string number = text.substr(i, end - i);
            if (!std::isfinite(std::strtod(number.c_str(), nullptr))) {
                throw MailboxError(position.Where(source) + ": the number " + number +
                                   " is too large");
            }
            for (; i + 1 < end; ++i) {
                position.Advance(text[i]);
            }
        }
        position.Advance(text[i]);
    }
}

}  // namespace pwk::sim
