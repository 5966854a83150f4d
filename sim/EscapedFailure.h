#pragma once

#include <string>

namespace pwk::sim {

// A failure that one of the add-in's event handlers let reach the host.
struct EscapedFailure {
    std::string Event;  // "Explorer.Close", "Application.ItemSend", ...
    std::string Description;
};

}  // namespace pwk::sim
