#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pwk::host {

// The criteria of CommandBar.FindControl; an unset criterion matches every control.
struct FindControlQuery {
    std::optional<int> Type;
    std::optional<int> Id;
    std::optional<std::string> Tag;
    std::optional<bool> Visible;
    bool Recursive = false;

    static FindControlQuery ByTag(std::string tag) {
        FindControlQuery query;
        query.Tag = std::move(tag);
        return query;
    }
    static FindControlQuery ById(int id, bool recursive) {
        FindControlQuery query;
        query.Id = id;
        query.Recursive = recursive;
        return query;
    }
};

}  // namespace pwk::host
