#pragma once

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
    virtual ~AuditedObject() = default;

    virtual std::string AuditType() const = 0;
    virtual std::string AuditName() const { return {}; }
    int HostRefs() const { return hostRefs_; }

  private:
    template <class T>
    friend class Owned;

    mutable int hostRefs_ = 0;
};

}  // namespace pwk::sim
