#include "sim/FindFilter.h"

#include "sim/HostError.h"
#include "src/util/Failure.h"

namespace pwk::sim {
namespace {

[[noreturn]] void NotValid(const std::string& filter) {
    throw Failure(HostError::ConditionNotValid,
                  "Cannot parse condition. Error at \"" + filter + "\".", "Items.Find");
}

std::size_t SkipBlanks(const std::string& text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    return at;
}

}  // namespace

FindFilter FindFilter::Parse(const std::string& filter) {
    std::size_t at = SkipBlanks(filter, 0);
    if (at >= filter.size() || filter[at] != '[') {
        NotValid(filter);
    }
    const std::size_t close = filter.find(']', at);
    if (close == std::string::npos || close == at + 1) {
        NotValid(filter);
    }
    FindFilter parsed;
    parsed.Field = filter.substr(at + 1, close - at - 1);
    at = SkipBlanks(filter, close + 1);
    if (at >= filter.size() || filter[at] != '=') {
        NotValid(filter);
    }
    at = SkipBlanks(filter, at + 1);
    if (at >= filter.size() || (filter[at] != '"' && filter[at] != '\'')) {
        NotValid(filter);
    }
    const char quote = filter[at];
    std::size_t end = filter.size();
    while (end > at && filter[end - 1] == ' ') {
        --end;
    }
    if (end - at < 2 || filter[end - 1] != quote) {
        NotValid(filter);
    }
    parsed.Value = filter.substr(at + 1, end - at - 2);
    return parsed;
}

}  // namespace pwk::sim
