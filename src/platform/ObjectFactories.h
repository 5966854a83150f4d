#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "src/platform/AutomationObject.h"

namespace pwk {

// The ProgIDs a platform can create, and how. Platforms keep one and answer CreateObject
// from it; a ProgID that is not registered, or whose factory fails, fails with 429.
class ObjectFactories {
  public:
    using Factory = std::function<std::shared_ptr<AutomationObject>()>;

    void Register(const std::string& progId, Factory factory);
    void Unregister(const std::string& progId);
    std::shared_ptr<AutomationObject> Create(const std::string& progId) const;

  private:
    std::map<std::string, Factory> factories_;
};

}  // namespace pwk
