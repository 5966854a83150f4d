#pragma once

#include <map>
#include <string>
#include <vector>

namespace pwk::scenario {

// One parsed scenario line: the command's name (one or two words, "expect box"), its
// positional arguments and its key=value options.
struct Command {
    int Line = 0;
    std::string Text;  // the line as written, without its comment
    std::string Name;
    std::vector<std::string> Args;
    std::map<std::string, std::string> Options;

    bool Has(const std::string& key) const { return Options.count(key) != 0; }
    std::string Option(const std::string& key, const std::string& fallback = "") const {
        const auto found = Options.find(key);
        return found == Options.end() ? fallback : found->second;
    }
};

}  // namespace pwk::scenario
