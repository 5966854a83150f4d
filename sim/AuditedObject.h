#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>

namespace pwk::sim {

template <class T>
class Owned;

// What the audit reads of a host object: the type and name it lists the object under, and how
// many references the host itself keeps to it (counted by Owned), so that the rest of its
// references are the ones from outside.
class AuditedObject {
  public:
    AuditedObject() = default;
    AuditedObject(const AuditedObject&) = delete;
    AuditedObject& operator=(const AuditedObject&) = delete;
    virtual ~AuditedObject() {
        if (goneCount_) {
            goneCount_->fetch_add(1, std::memory_order_relaxed);
        }
    }

    virtual std::string AuditType() const = 0;
    virtual std::string AuditName() const { return {}; }
    int HostRefs() const { return hostRefs_; }

  private:
    template <class T>
    friend class Owned;
    friend class ObjectAudit;

    mutable int hostRefs_ = 0;
    // The audit's count of its objects gone, which this one adds to when it goes: the audit
    // may have gone first.
    std::shared_ptr<std::atomic<std::size_t>> goneCount_;
};

}  // namespace pwk::sim
