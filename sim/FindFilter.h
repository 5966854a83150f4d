#pragma once

#include <string>

namespace pwk::sim {

// A restriction of the form [Field] = "value" (or 'value'), as Items.Find takes it. The value
// is everything between the first quote after "=" and the quote that ends the filter, taken
// literally: there are no escapes, so a value may hold quotes of its own.
struct FindFilter {
    std::string Field;
    std::string Value;

    // Fails with the host's "condition is not valid" for any other form.
    static FindFilter Parse(const std::string& filter);
    // Text as Find compares it: the host's restrictions ignore letter case.
    static std::string FoldCase(std::string text);
};

}  // namespace pwk::sim
