#pragma once

#include <cstdint>
#include <string>

namespace pwk {

// The platform's extended version record (requested with its size field set to 148).
struct OsVersionInfo {
    std::uint32_t Size = 148;
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::uint32_t BuildNumber = 0;
    std::uint32_t PlatformId = 0;
    std::string CSDVersion;  // service-pack text, at most 128 characters, ends at the first NUL
};

}  // namespace pwk
