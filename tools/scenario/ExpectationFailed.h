#pragma once

#include <exception>
#include <string>

namespace pwk::scenario {

// A check that did not hold: what the scenario expected and what the host showed instead.
class ExpectationFailed : public std::exception {
  public:
    ExpectationFailed(std::string expected, std::string found)
        : Expected(std::move(expected)), Found(std::move(found)) {}

    const char* what() const noexcept override { return "expectation failed"; }

    std::string Expected;
    std::string Found;
};

}  // namespace pwk::scenario
