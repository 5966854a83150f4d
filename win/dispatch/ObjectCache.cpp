#include "win/dispatch/ObjectCache.h"

namespace pwk::win {

ObjectCache& ObjectCache::Instance() {
    static ObjectCache cache;
    return cache;
}

std::shared_ptr<AutomationObject> ObjectCache::Find(IUnknown* identity) const {
    const auto found = entries_.find(identity);
    return found == entries_.end() ? nullptr : found->second.adapter.lock();
}

void ObjectCache::Remember(IUnknown* identity, const std::shared_ptr<AutomationObject>& adapter,
                           const DispatchHolder* holder) {
    entries_[identity] = Entry{adapter, holder};
}

void ObjectCache::Forget(IUnknown* identity, const DispatchHolder* holder) {
    const auto found = entries_.find(identity);
    if (found != entries_.end() && found->second.holder == holder) {
        entries_.erase(found);
    }
}

}  // namespace pwk::win
