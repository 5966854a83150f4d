#pragma once

#include <cstddef>
#include <unordered_map>

#include "src/platform/AutomationObject.h"

namespace pwk::bridge {

class HostDispatch;

// The live bridge of each host object, keyed by the object's address (its most derived
// object, so that every interface of it finds the same bridge). Holds nothing alive: a bridge
// leaves the table when it goes.
class BridgeCache {
  public:
    static BridgeCache& Instance();
    // The key of a host object: the address of its most derived object.
    static const void* KeyOf(const AutomationObject& object) {
        return dynamic_cast<const void*>(&object);
    }

    HostDispatch* Find(const void* object) const;
    void Remember(const void* object, HostDispatch* bridge);
    void Forget(const void* object, const HostDispatch* bridge);
    std::size_t Size() const { return bridges_.size(); }

  private:
    std::unordered_map<const void*, HostDispatch*> bridges_;
};

}  // namespace pwk::bridge
