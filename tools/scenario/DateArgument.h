#pragma once

#include <string>

#include "src/host/HostTypes.h"

namespace pwk::scenario {

// A date and time as scenarios write them: "2000-03-06 14:30", or "14:30" on the host's day
// `today`. Throws CommandError for anything else.
host::Date ParseDateArgument(const std::string& text, host::Date today);

}  // namespace pwk::scenario
