#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "src/util/Failure.h"

namespace pwk {

// The platform's keyed collection: items in order of addition, numbered from 1, each under a
// unique text key. A missing key fails with 5, a position out of range with 9, a repeated key
// with 457 — the numbers callers rely on. Beside the order, an index by key makes adding, the
// duplicate test and a look-up by key cost the same at any size; only a removal renumbers what
// follows it.
template <class T>
class KeyedCollection {
  public:
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

    void Add(const std::string& key, T value) {
        const auto [at, added] = positions_.emplace(key, entries_.size());
        if (!added) {
            Raise(FailureNumber::DuplicateKey);
        }
        try {
            entries_.emplace_back(key, std::move(value));
        } catch (...) {
            positions_.erase(at);
            throw;
        }
    }

    T& Item(std::int32_t position) { return entries_[Index(position)].second; }
    T& Item(const std::string& key) { return entries_[IndexOf(key)].second; }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        keys.reserve(entries_.size());
        for (const auto& entry : entries_) {
            keys.push_back(entry.first);
        }
        return keys;
    }

    void Remove(std::int32_t position) { Erase(Index(position)); }
    void Remove(const std::string& key) { Erase(IndexOf(key)); }

  private:
    std::size_t Index(std::int32_t position) const {
        if (position < 1 || position > Count()) {
            Raise(FailureNumber::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(position - 1);
    }
    std::size_t IndexOf(const std::string& key) const {
        const auto found = positions_.find(key);
        if (found == positions_.end()) {
            Raise(FailureNumber::InvalidProcedureCall);
        }
        return found->second;
    }
    void Erase(std::size_t index) {
        positions_.erase(entries_[index].first);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        for (std::size_t later = index; later < entries_.size(); ++later) {
            positions_[entries_[later].first] = later;
        }
    }

    std::vector<std::pair<std::string, T>> entries_;
    std::unordered_map<std::string, std::size_t> positions_;  // key -> index into entries_
};

}  // namespace pwk
