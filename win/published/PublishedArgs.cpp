#include "win/published/PublishedArgs.h"

#include <limits>

namespace pwk::win {

void RefusePut(const DispatchCall& call) {
    constexpr std::int32_t kReadOnlyProperty = 383;
    if (call.IsPut()) {
        throw Failure(kReadOnlyProperty, "Property is read-only");
    }
}

std::int16_t ShortArg(const DispatchCall& call, std::size_t index) {
    const std::int32_t value = NumberArg(call, index);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        Raise(FailureNumber::Overflow);
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace pwk::win
