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

void EventLinks::Linked(const std::shared_ptr<AutomationObject>& object, const void* key,
                        const IID& events) {
    Link& link = links_[Key{key, events}];
    ++link.Sinks;
    link.Object = object;
}

void EventLinks::Unlinked(const void* key, const IID& events) {
    const auto found = links_.find(Key{key, events});
    if (found != links_.end() && --found->second.Sinks == 0) {
        links_.erase(found);
    }
}

std::size_t EventLinks::Sinks(const AutomationObject& object, const IID& events) const {
    const auto found = links_.find(Key{BridgeCache::KeyOf(object), events});
    return found == links_.end() ? 0 : found->second.Sinks;
}

std::size_t EventLinks::Objects(const IID& events) const {
    std::size_t count = 0;
    for (const auto& [key, link] : links_) {
        count += IsEqualIID(key.Events, events) ? 1 : 0;
    }
    return count;
}

std::vector<std::shared_ptr<AutomationObject>> EventLinks::LiveObjects(const IID& events) const {
    std::vector<std::shared_ptr<AutomationObject>> objects;
    for (const auto& [key, link] : links_) {
        if (IsEqualIID(key.Events, events)) {
            if (auto object = link.Object.lock()) {
                objects.push_back(std::move(object));
            }
        }
    }
    return objects;
}

}  // namespace pwk::bridge
