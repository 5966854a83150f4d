#pragma once

#include <optional>
#include <string>

namespace pwk::host {

// The criteria of CommandBar.FindControl; an unset criterion matches every control.
struct FindControlQuery {
    std::optional<int> Type;
    std::optional<int> Id;
    std::optional<std::string> Tag;
    std::optional<bool> Visible;
    bool Recursive = false;
};

}  // namespace pwk::host
