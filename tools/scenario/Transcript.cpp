#include "tools/scenario/Transcript.h"

#include "tools/scenario/BoxNames.h"
#include "tools/scenario/Command.h"

namespace pwk::scenario {

namespace {
constexpr const char* kIndent = "    ";
}  // namespace

void Transcript::Echo(const Command& command) {
    out_ << command.Line << "> " << command.Text << '\n';
}

void Transcript::Heading(const std::string& text) {
    out_ << '\n' << "# " << text << '\n';
}

void Transcript::Event(const std::string& text) {
    out_ << kIndent << text << '\n';
}

void Transcript::Block(const std::string& text) {
    std::size_t begin = 0;
    for (;;) {
        std::size_t end = text.find('\n', begin);
        const bool last = end == std::string::npos;
        std::string line = text.substr(begin, last ? std::string::npos : end - begin);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        out_ << kIndent << "  | " << line << '\n';
        if (last) {
            return;
        }
        begin = end + 1;
    }
}

void Transcript::Box(const std::string& title, const std::string& text, int style,
                     const std::string& helpFile, int helpContext) {
    std::string line =
        "box \"" + title + "\" (" + BoxNames::Icon(style) + "; " + BoxNames::Buttons(style);
    if (!helpFile.empty()) {
        line += "; help " + helpFile + " #" + std::to_string(helpContext);
    }
    Event(line + ")");
    Block(text);
}

void Transcript::BoxAnswer(int answer, bool byDefault) {
    Event("  -> " + BoxNames::Answer(answer) + (byDefault ? " (default button)" : ""));
}

void Transcript::Failed(const Command& command, const std::string& expected,
                        const std::string& found) {
    out_ << kIndent << "FAILED at line " << command.Line << ": " << command.Text << '\n'
         << kIndent << "  expected: " << expected << '\n'
         << kIndent << "  found:    " << found << '\n';
}

void Transcript::Error(const std::string& message) {
    out_ << "error: " << message << '\n';
}

}  // namespace pwk::scenario
