#pragma once

#include <cstdint>
#include <vector>

#include "src/util/Failure.h"

namespace pwk::sim {

// The host's collections count from 1 and fail with "subscript out of range" (9) outside.
class SimCollection {
  public:
    template <class Element>
    static std::int32_t Count(const std::vector<Element>& elements) {
        return static_cast<std::int32_t>(elements.size());
    }

    template <class Element>
    static const Element& At(const std::vector<Element>& elements, std::int32_t index,
                             const char* member) {
        if (index < 1 || index > Count(elements)) {
            Raise(FailureNumber::SubscriptOutOfRange, member);
        }
        return elements[static_cast<std::size_t>(index - 1)];
    }
};

}  // namespace pwk::sim
