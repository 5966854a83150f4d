#pragma once

#include <ostream>
#include <string>

namespace pwk::scenario {

struct Command;

// The readable record of a run: each command as written, then what happened, indented under
// it. Texts with line breaks (message boxes, the log) are shown line by line behind a bar.
class Transcript {
  public:
    explicit Transcript(std::ostream& out) : out_(out) {}

    void Echo(const Command& command);
    // A note of the scenario's author, set off from the commands around it.
    void Heading(const std::string& text);
    // One event under the current command.
    void Event(const std::string& text);
    // A text of several lines (CR LF or LF), each behind "| ", under an event.
    void Block(const std::string& text);
    void Box(const std::string& title, const std::string& text, int style,
             const std::string& helpFile, int helpContext);
    void BoxAnswer(int answer, bool byDefault);
    void Failed(const Command& command, const std::string& expected, const std::string& found);
    void Error(const std::string& message);
    void Flush() { out_.flush(); }

  private:
    std::ostream& out_;
};

}  // namespace pwk::scenario
