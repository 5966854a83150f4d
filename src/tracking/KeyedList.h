#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "src/errors/Failure.h"

namespace pwk {

// The platform's keyed collection: items at positions 1 to Count in order of addition, each
// under a unique text key. A missing key fails with 5 and a repeated one with 457, as the
// platform's collection does.
template <class T>
class KeyedList {
  public:
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

    const T& Item(std::int32_t position) const { return entries_[IndexOf(position)].second; }

    const T& ItemByKey(const std::string& key) const {
        for (const auto& entry : entries_) {
            if (entry.first == key) {
                return entry.second;
            }
        }
        Raise(FailureNumber::InvalidProcedureCall);
    }

    void Add(T value, std::string key) {
        for (const auto& entry : entries_) {
            if (entry.first == key) {
                Raise(FailureNumber::DuplicateKey);
            }
        }
        entries_.emplace_back(std::move(key), std::move(value));
    }

    void Remove(std::int32_t position) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(position)));
    }

  private:
    std::size_t IndexOf(std::int32_t position) const {
        if (position < 1 || position > Count()) {
            Raise(FailureNumber::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(position - 1);
    }

    std::vector<std::pair<std::string, T>> entries_;
};

}  // namespace pwk
