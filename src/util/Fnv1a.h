#pragma once

#include <cstdint>
#include <string_view>

namespace pwk {

// FNV-1a, 64 bits: a quick hash of bytes that is the same in every run and on every platform,
// for names and checksums that are stored, and for lookups. A seed gives independent hashes of
// the same bytes.
class Fnv1a {
  public:
    static constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    static constexpr std::uint64_t kPrime = 1099511628211ULL;

    explicit constexpr Fnv1a(std::uint64_t seed = 0) : hash_(kOffset ^ seed) {}

    constexpr Fnv1a& Add(unsigned char byte) {
        hash_ = (hash_ ^ byte) * kPrime;
        return *this;
    }
    constexpr Fnv1a& Add(std::string_view bytes) {
        for (const char c : bytes) {
            Add(static_cast<unsigned char>(c));
        }
        return *this;
    }
    constexpr std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_;
};

}  // namespace pwk
