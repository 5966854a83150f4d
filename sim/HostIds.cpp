#include "sim/HostIds.h"

#include <cstdint>
#include <cstdio>

#include "src/util/Fnv1a.h"

namespace pwk::sim {
namespace {

// Seeded, so that one text gives several independent digits groups.
std::uint64_t Hash(const std::string& text, std::uint64_t seed) {
    return Fnv1a(seed).Add(text).Value();
}

std::string Hex(std::uint64_t value) {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llX", static_cast<unsigned long long>(value));
    return buffer;
}

}  // namespace

std::string HostIds::StoreID(const std::string& storeName) {
    return "0000000038A1BB10" + Hex(Hash(storeName, 1)) + Hex(Hash(storeName, 2)) +
           Hex(Hash(storeName, 3));
}

std::string HostIds::FolderEntryID(const std::string& storeName, const std::string& path) {
    return "00000000" + Hex(Hash(storeName, 1)) + Hex(Hash(path, 4)) + Hex(Hash(path, 5));
}

std::string HostIds::ItemEntryID(const std::string& storeName, const std::string& path,
                                 const std::string& key) {
    const std::string itemKey = path + '\n' + key;
    return "00000000" + Hex(Hash(storeName, 1)) + Hex(Hash(path, 4)) + Hex(Hash(itemKey, 6)) +
           Hex(Hash(itemKey, 7));
}

bool HostIds::LooksValid(const std::string& id) {
    if (id.size() < 16 || id.size() % 2 != 0) {
        return false;
    }
    for (char c : id) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

}  // namespace pwk::sim
