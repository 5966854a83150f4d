#pragma once

#include <oaidl.h>

#include <map>
#include <string>
#include <typeindex>
#include <utility>

namespace pwk::win {

// The member numbers of the host's objects, asked for once per name and object type: the host
// answers the same for every object of a type, and asking costs a round trip per call.
// Names are matched without regard to case, as the host matches them.
class DispIdCache {
  public:
    static DispIdCache& Instance();

    // The number of `name` on objects of `type`, asking `object` the first time.
    DISPID Lookup(IDispatch* object, std::type_index type, const std::string& name);

  private:
    std::map<std::pair<std::type_index, std::string>, DISPID> ids_;
};

}  // namespace pwk::win
