#include "sim/ObjectAudit.h"

#include <utility>

#include "sim/AuditedObject.h"

namespace pwk::sim {

namespace {

// Our own `object` is one of the references counted.
long OutsideReferences(const std::shared_ptr<AuditedObject>& object) {
    return object.use_count() - 1 - object->HostRefs();
}

}  // namespace

void ObjectAudit::Register(const std::shared_ptr<AuditedObject>& object) {
    if (objects_.size() >= pruneAt_) {
        // The walk costs every entry: it is made when at least a quarter of them are gone, and
        // the bound doubles either way, so the entries stay within a constant of the objects
        // alive and each object registered pays a constant share of the walks.
        if (4 * gone_->load(std::memory_order_relaxed) >= objects_.size()) {
            Prune();
        }
        pruneAt_ = 2 * objects_.size() + 1024;
    }
    object->goneCount_ = gone_;
    objects_.push_back(Entry{object});
}

std::vector<HeldObject> ObjectAudit::Held() {
    Prune();
    std::vector<HeldObject> held;
    for (const auto& entry : objects_) {
        auto object = entry.Object.lock();
        if (!object) {
            continue;
        }
        const long outside = OutsideReferences(object);
        if (outside > 0) {
            held.push_back(HeldObject{object->AuditType(), object->AuditName(), outside});
        }
    }
    return held;
}

void ObjectAudit::EventsReleased(std::string type, std::string name) {
    if (!recording_) {
        return;
    }
    Look();
    releases_.push_back(Release{Release::Kind::Events, std::move(type), std::move(name)});
}

std::vector<Release> ObjectAudit::TakeReleases() {
    recording_ = true;
    Look();
    return std::exchange(releases_, {});
}

void ObjectAudit::Look() {
    for (auto& entry : objects_) {
        auto object = entry.Object.lock();
        const long outside = object ? OutsideReferences(object) : 0;
        if (outside < entry.Outside) {
            releases_.push_back(Release{Release::Kind::References, entry.Type, entry.Name});
        }
        if (outside > 0) {
            entry.Type = object->AuditType();
            entry.Name = object->AuditName();
        }
        entry.Outside = outside;
    }
}

// Forgets the objects that are gone, but not before the next look has seen them go.
void ObjectAudit::Prune() {
    gone_->store(0, std::memory_order_relaxed);
    std::erase_if(objects_,
                  [](const Entry& entry) { return entry.Object.expired() && entry.Outside == 0; });
}

}  // namespace pwk::sim
