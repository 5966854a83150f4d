#pragma once

#include <stdexcept>
#include <string>

namespace pwk::sim {

// A user action the simulated host cannot carry out (clicking a hidden control, sending a mail
// without recipients, a folder path that names no folder) or a misuse of its test interface.
class UserActionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace pwk::sim
