#pragma once

#include <unknwn.h>

#include <cstddef>
#include <memory>
#include <unordered_map>

#include "src/platform/AutomationObject.h"

namespace pwk::win {

class DispatchHolder;

// Keeps object identity across the boundary: the host hands out the same window, folder or item
// again and again, and the add-in compares what it holds by address. Holds nothing alive: an
// entry goes when its adapter does.
class ObjectCache {
  public:
    static ObjectCache& Instance();

    // The live adapter of the object with this identity, if any.
    std::shared_ptr<AutomationObject> Find(IUnknown* identity) const;
    void Remember(IUnknown* identity, const std::shared_ptr<AutomationObject>& adapter,
                  const DispatchHolder* holder);
    // Drops the entry of `holder`, unless another adapter has taken the identity over since.
    void Forget(IUnknown* identity, const DispatchHolder* holder);
    std::size_t Size() const { return entries_.size(); }

  private:
    struct Entry {
        std::weak_ptr<AutomationObject> adapter;
        const DispatchHolder* holder;
    };
    std::unordered_map<IUnknown*, Entry> entries_;
};

}  // namespace pwk::win
