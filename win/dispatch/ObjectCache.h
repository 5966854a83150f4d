#pragma once

#include <unknwn.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "src/platform/AutomationObject.h"

namespace pwk::win {

class DispatchHolder;

// Keeps object identity across the boundary: the host hands out the same window, folder or item
// again and again, and the add-in compares what it holds by address. Holds nothing alive: an
// entry goes when its adapter does.
//
// Every object the host hands out passes through here, and most live for one statement (a
// folder looked up to compare its EntryID): the entries are kept in one flat table (open
// addressing, by identity), so that remembering and forgetting one allocates nothing.
class ObjectCache {
  public:
    static ObjectCache& Instance();

    // The live adapter of the object with this identity, if any.
    std::shared_ptr<AutomationObject> Find(IUnknown* identity) const;
    void Remember(IUnknown* identity, const std::shared_ptr<AutomationObject>& adapter,
                  const DispatchHolder* holder);
    // Drops the entry of `holder`, unless another adapter has taken the identity over since.
    void Forget(IUnknown* identity, const DispatchHolder* holder);
    std::size_t Size() const { return size_; }

  private:
    struct Entry {
        IUnknown* identity = nullptr;  // none: the slot is free
        std::weak_ptr<AutomationObject> adapter;
        const DispatchHolder* holder = nullptr;
    };

    // The slot of `identity`, or the free slot where it would go.
    std::size_t SlotOf(IUnknown* identity) const;
    void Grow();

    std::vector<Entry> slots_ = std::vector<Entry>(64);  // a power of two, at most half full
    std::size_t size_ = 0;
};

}  // namespace pwk::win
