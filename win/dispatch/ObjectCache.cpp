#include "win/dispatch/ObjectCache.h"

#include <cstdint>
#include <utility>

#include "src/util/LinearProbe.h"

namespace pwk::win {

namespace {

// Objects are at least 16 bytes apart: the low bits say nothing, the rest is mixed so that
// neighbours in memory do not crowd one run of slots.
std::size_t HashOf(IUnknown* identity) {
    std::uint64_t bits = reinterpret_cast<std::uintptr_t>(identity) >> 4;
    bits *= 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(bits ^ (bits >> 32));
}

}  // namespace

ObjectCache& ObjectCache::Instance() {
    static ObjectCache cache;
    return cache;
}

std::size_t ObjectCache::SlotOf(IUnknown* identity) const {
    return LinearProbe(HashOf(identity), slots_.size(), [&](std::size_t i) {
        return slots_[i].identity == nullptr || slots_[i].identity == identity;
    });
}

std::shared_ptr<AutomationObject> ObjectCache::Find(IUnknown* identity) const {
    const Entry& entry = slots_[SlotOf(identity)];
    return entry.identity == nullptr ? nullptr : entry.adapter.lock();
}

void ObjectCache::Remember(IUnknown* identity, const std::shared_ptr<AutomationObject>& adapter,
                           const DispatchHolder* holder) {
    if (2 * (size_ + 1) > slots_.size()) {
        Grow();
    }
    Entry& entry = slots_[SlotOf(identity)];
    if (entry.identity == nullptr) {
        ++size_;
    }
    entry = Entry{identity, adapter, holder};
}

void ObjectCache::Forget(IUnknown* identity, const DispatchHolder* holder) {
    std::size_t hole = SlotOf(identity);
    if (slots_[hole].identity == nullptr || slots_[hole].holder != holder) {
        return;
    }
    slots_[hole] = Entry{};
    --size_;
    // The entries after the hole, up to the next free slot, move back into it where their own
    // slot does not lie between the hole and them: every entry stays reachable from its slot
    // without a marker for the one gone.
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = (hole + 1) & mask; slots_[i].identity != nullptr; i = (i + 1) & mask) {
        const std::size_t home = HashOf(slots_[i].identity) & mask;
        const bool reachable = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
        if (!reachable) {
            slots_[hole] = std::exchange(slots_[i], Entry{});
            hole = i;
        }
    }
}

void ObjectCache::Grow() {
    std::vector<Entry> old = std::exchange(slots_, std::vector<Entry>(slots_.size() * 2));
    for (Entry& entry : old) {
        if (entry.identity != nullptr) {
            slots_[SlotOf(entry.identity)] = std::move(entry);
        }
    }
}

}  // namespace pwk::win
