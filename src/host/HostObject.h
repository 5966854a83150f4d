#pragma once

#include <memory>
#include <string>

#include "src/platform/AutomationObject.h"
#include "src/util/Ref.h"

namespace pwk::host {

// Base of every object of the host's object model. Identity is object identity: the host
// hands out the same object for the same window, folder or item while it lives.
class HostObject : public AutomationObject {
  public:
    // The type name the platform's TypeName reports ("Application", "MAPIFolder", ...).
    virtual std::string TypeName() const = 0;
    // The object's text value (its default property), for instance "MAPI" for the namespace.
    virtual std::string Text() const { return TypeName(); }
};

// True when both references name the same host object.
inline bool SameObject(const Ref<const HostObject>& a, const Ref<const HostObject>& b) {
    return a && b && a.get() == b.get();
}

}  // namespace pwk::host
