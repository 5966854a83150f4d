#include "winharness/bridge/EventLinks.h"

#include <cstring>

#include "winharness/bridge/BridgeCache.h"

namespace pwk::bridge {

bool EventLinks::Key::operator<(const Key& other) const {
    if (Object != other.Object) {
        return Object < other.Object;
    }
    return std::memcmp(&Events, &other.Events, sizeof(IID)) < 0;
}

EventLinks& EventLinks::Instance() {
    static EventLinks links;
    return links;
}

void EventLinks::Linked(const void* object, const IID& events) {
    ++links_[Key{object, events}];
}

void EventLinks::Unlinked(const void* object, const IID& events) {
    const auto found = links_.find(Key{object, events});
    if (found != links_.end() && --found->second == 0) {
        links_.erase(found);
    }
}

std::size_t EventLinks::Sinks(const AutomationObject& object, const IID& events) const {
    const auto found = links_.find(Key{BridgeCache::KeyOf(object), events});
    return found == links_.end() ? 0 : found->second;
}

std::size_t EventLinks::Objects(const IID& events) const {
    std::size_t count = 0;
    for (const auto& [key, sinks] : links_) {
        count += IsEqualIID(key.Events, events) ? 1 : 0;
    }
    return count;
}

}  // namespace pwk::bridge
