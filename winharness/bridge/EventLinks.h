#pragma once

#include <guiddef.h>

#include <cstddef>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "src/platform/AutomationObject.h"

namespace pwk::bridge {

// Which host objects have a client's sink connected to which of their event interfaces, for an
// observer outside the client: an add-in in another module hooks a window by connecting to
// its events, and that is all the host sees of the hook.
class EventLinks {
  public:
    static EventLinks& Instance();

    // `key` is the object's key (BridgeCache::KeyOf): the link may outlive the object, which
    // the record does not hold.
    void Linked(const std::shared_ptr<AutomationObject>& object, const void* key,
                const IID& events);
    void Unlinked(const void* key, const IID& events);

    // How many sinks are connected to `object`'s `events`.
    std::size_t Sinks(const AutomationObject& object, const IID& events) const;
    // How many objects have a sink connected to their `events`.
    std::size_t Objects(const IID& events) const;
    // The objects still alive that have a sink connected to their `events`, windows the host
    // has closed among them.
    std::vector<std::shared_ptr<AutomationObject>> LiveObjects(const IID& events) const;

  private:
    struct Key {
        const void* Object;
        IID Events;
        bool operator<(const Key& other) const;
    };
    struct Link {
        std::size_t Sinks = 0;
        std::weak_ptr<AutomationObject> Object;
    };
    std::map<Key, Link> links_;
};

}  // namespace pwk::bridge
