#pragma once

#include <guiddef.h>

#include <cstddef>
#include <map>
#include <utility>

#include "src/platform/AutomationObject.h"

namespace pwk::bridge {

// Which host objects have a client's sink connected to which of their event interfaces, for an
// observer outside the client: an add-in in another module hooks a window by connecting to
// its events, and that is all the host sees of the hook.
class EventLinks {
  public:
    static EventLinks& Instance();

    // `object` is the object's key (BridgeCache::KeyOf): the link may outlive the object.
    void Linked(const void* object, const IID& events);
    void Unlinked(const void* object, const IID& events);

    // How many sinks are connected to `object`'s `events`.
    std::size_t Sinks(const AutomationObject& object, const IID& events) const;
    // How many objects have a sink connected to their `events`.
    std::size_t Objects(const IID& events) const;

  private:
    struct Key {
        const void* Object;
        IID Events;
        bool operator<(const Key& other) const;
    };
    std::map<Key, std::size_t> links_;
};

}  // namespace pwk::bridge
