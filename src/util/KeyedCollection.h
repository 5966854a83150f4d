#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "src/util/Failure.h"

namespace pwk {

// The platform's keyed collection: items in order of addition, numbered from 1, each under a
// unique text key. A missing key fails with 5, a position out of range with 9, a repeated key
// with 457 — the numbers callers rely on.
template <class T>
class KeyedCollection {
  public:
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

    void Add(const std::string& key, T value) {
        if (Find(key) != entries_.end()) {
            Raise(FailureNumber::DuplicateKey);
        }
        entries_.emplace_back(key, std::move(value));
    }

    T& Item(std::int32_t position) { return entries_[Index(position)].second; }
    T& Item(const std::string& key) { return FindExisting(key)->second; }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& entry : entries_) {
            keys.push_back(entry.first);
        }
        return keys;
    }

    void Remove(std::int32_t position) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(Index(position)));
    }
    void Remove(const std::string& key) { entries_.erase(FindExisting(key)); }

  private:
    using Entries = std::vector<std::pair<std::string, T>>;

    std::size_t Index(std::int32_t position) const {
        if (position < 1 || position > Count()) {
            Raise(FailureNumber::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(position - 1);
    }
    typename Entries::const_iterator Find(const std::string& key) const {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->first == key) {
                return it;
            }
        }
        return entries_.end();
    }
    typename Entries::iterator FindExisting(const std::string& key) {
        const auto found = Find(key);
        if (found == entries_.end()) {
            Raise(FailureNumber::InvalidProcedureCall);
        }
        return entries_.begin() + (found - entries_.cbegin());
    }

    Entries entries_;
};

}  // namespace pwk
