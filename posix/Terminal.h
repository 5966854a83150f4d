#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace pwk {

// Where the POSIX platform talks to the user: boxes and questions are written to `out`, and
// answers read from `in` when someone is there to give them (no input stream: nobody is, and
// every question takes its default).
class Terminal {
  public:
    Terminal(std::ostream& out, std::istream* in) : out_(&out), in_(in) {}

    // Standard error, and standard input when it is a terminal.
    static Terminal Standard();

    std::ostream& Out() const { return *out_; }
    bool Interactive() const { return in_ != nullptr; }
    // Writes `prompt` and reads one line; nothing when nobody answers or input has ended.
    std::optional<std::string> Ask(const std::string& prompt) const;

  private:
    std::ostream* out_;
    std::istream* in_;
};

}  // namespace pwk
