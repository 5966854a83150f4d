#pragma once

#include <cstdint>
#include <string>

#include "src/util/Failure.h"

namespace pwk::test {

// The number of the failure `call` throws, 0 when it throws none; its source in `source`.
template <typename Call>
std::int32_t FailureOf(Call&& call, std::string* source = nullptr) {
    try {
        call();
    } catch (const Failure& failure) {
        if (source != nullptr) {
            *source = failure.Source;
        }
        return failure.Number;
    }
    return 0;
}

}  // namespace pwk::test
