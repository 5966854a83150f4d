#pragma once

#include <stdexcept>
#include <string>

namespace pwk::settingstool {

// A request the tool refuses, with the message for the administrator and the exit status:
// 2 when the command line itself is wrong, 1 when the command cannot be carried out.
class ToolError : public std::runtime_error {
  public:
    static constexpr int Refused = 1;
    static constexpr int Usage = 2;

    explicit ToolError(const std::string& message, int exitStatus = Refused)
        : std::runtime_error(message), ExitStatus(exitStatus) {}

    int ExitStatus;
};

}  // namespace pwk::settingstool
