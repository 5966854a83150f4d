#pragma once

#include <cstdint>

namespace pwk {

// The component's own version record.
struct Version {
    std::int16_t Major;
    std::int16_t Minor;
    std::int16_t Revision;
};

inline constexpr Version ComponentVersion{2, 1, 158};
inline constexpr const char* ProductTitle = "Parleywick";
inline constexpr const char* ConnectProgID = "Wickline.Connect";

}  // namespace pwk
