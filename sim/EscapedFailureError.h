#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "sim/EscapedFailure.h"

namespace pwk::sim {

// Thrown at the end of a user action when an add-in's handler let failures reach the host
// during it (unless the host was told only to record them).
class EscapedFailureError : public std::runtime_error {
  public:
    explicit EscapedFailureError(std::vector<EscapedFailure> failures)
        : std::runtime_error(Describe(failures)), Failures(std::move(failures)) {}

    std::vector<EscapedFailure> Failures;

  private:
    static std::string Describe(const std::vector<EscapedFailure>& failures) {
        std::string text = "an add-in let failures reach the host:";
        for (const auto& failure : failures) {
            text += " [" + failure.Event + ": " + failure.Description + "]";
        }
        return text;
    }
};

}  // namespace pwk::sim
