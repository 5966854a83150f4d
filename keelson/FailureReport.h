#pragma once

#include <cstdint>
#include <string>

#include "src/errorlib/ErrorCodes.h"

namespace pwk::keelson {

// Everything known about one failure when it is reported: what the log and the dialog show.
struct FailureReport {
    std::int32_t Number = 0;
    std::string Description;  // as the client words it for the user
    std::string Details;      // the failure's own description
    std::string Source;
    std::int32_t Line = 0;
    std::string Module;
    std::string Procedure;
    std::string Context;
    Boundary boundary = Boundary::Internal;
    Severity severity = Severity::Normal;
    std::string Activity;        // the step that was running (SetActivity)
    std::string StepSuggestion;  // advice for that step's failure (SetSuggestion)
    std::string Suggestion;      // the client's advice for the failure number
    std::string Notes;
};

}  // namespace pwk::keelson
