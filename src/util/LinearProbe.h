#pragma once

#include <cstddef>

namespace pwk {

// Where a look-up in an open-addressed table stops: from the slot `hash` falls on, the first
// slot `stops` accepts (the key's own, or the free slot where it would go). The table is a power
// of two in size and never full, so the walk ends.
template <class Stops>
std::size_t LinearProbe(std::size_t hash, std::size_t size, Stops&& stops) {
    const std::size_t mask = size - 1;
    std::size_t i = hash & mask;
    while (!stops(i)) {
        i = (i + 1) & mask;
    }
    return i;
}

}  // namespace pwk
