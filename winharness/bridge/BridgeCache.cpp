#include "winharness/bridge/BridgeCache.h"

namespace pwk::bridge {

BridgeCache& BridgeCache::Instance() {
    static BridgeCache cache;
    return cache;
}

HostDispatch* BridgeCache::Find(const void* object) const {
    const auto found = bridges_.find(object);
    return found == bridges_.end() ? nullptr : found->second;
}

void BridgeCache::Remember(const void* object, HostDispatch* bridge) {
    bridges_[object] = bridge;
}

void BridgeCache::Forget(const void* object, const HostDispatch* bridge) {
    const auto found = bridges_.find(object);
    if (found != bridges_.end() && found->second == bridge) {
        bridges_.erase(found);
    }
}

}  // namespace pwk::bridge
