#pragma once

#include <cstdint>
#include <string>

namespace pwk {

// The platform's exception record, as much of it as the add-in hands on.
struct ExceptionRecord {
    std::uint32_t Code = 0;
    std::uint64_t Address = 0;
    std::string Description;
};

}  // namespace pwk
