#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pwk::scenario {

// One argument of a command: free text, a whole number, or one of a few words.
struct ArgSpec {
    std::string Name;                  // as the usage shows it: FOLDER, N, "shown|hidden"
    std::vector<std::string> Choices;  // when set, the argument must be one of them
    bool Number = false;
    std::optional<std::int64_t> Least;  // a number's smallest value: 1 for a place in a list
};

// What a command takes. Arguments beyond Args.size() repeat the last one when Repeats is set.
struct CommandSpec {
    std::string Name;  // one or two words: "quit", "expect box"
    std::vector<ArgSpec> Args;
    std::size_t Required = 0;  // how many of Args must be given
    bool Repeats = false;
    std::vector<std::string> Keys;    // the key=value options it takes
    std::vector<ArgSpec> NumberKeys;  // those of them whose value is a whole number, by name
    bool AnyKeys = false;             // options are field names (expect item)
    std::string Usage;
    std::string Summary;
};

}  // namespace pwk::scenario
