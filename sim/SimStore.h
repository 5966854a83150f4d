#pragma once

#include <map>
#include <memory>
#include <string>

#include "sim/Owned.h"

namespace pwk::sim {

class SimFolder;

// A message store: its top folder and, for the default store, the default folders by kind.
struct SimStore {
    std::string Name;
    std::string StoreId;
    Owned<SimFolder> Top;
    std::map<int, std::weak_ptr<SimFolder>> Defaults;
};

}  // namespace pwk::sim
