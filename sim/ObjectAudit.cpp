#include "sim/ObjectAudit.h"

#include "sim/SimObject.h"

namespace pwk::sim {

void ObjectAudit::Register(const std::shared_ptr<SimObject>& object) {
    if (objects_.size() >= pruneAt_) {
        Prune();
        pruneAt_ = 2 * objects_.size() + 1024;
    }
    objects_.push_back(object);
}

std::vector<HeldObject> ObjectAudit::Held() {
    Prune();
    std::vector<HeldObject> held;
    for (const auto& weak : objects_) {
        auto object = weak.lock();
        if (!object) {
            continue;
        }
        // Our own `object` is one of the references counted.
        const long outside = object.use_count() - 1 - object->HostRefs();
        if (outside > 0) {
            held.push_back(HeldObject{object->AuditType(), object->AuditName(), outside});
        }
    }
    return held;
}

std::size_t ObjectAudit::LiveCount() {
    Prune();
    return objects_.size();
}

void ObjectAudit::Prune() {
    std::erase_if(objects_, [](const std::weak_ptr<SimObject>& weak) { return weak.expired(); });
}

}  // namespace pwk::sim
