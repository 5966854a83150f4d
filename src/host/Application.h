#pragma once

#include <memory>
#include <string>

#include "src/host/Events.h"
#include "src/host/HostObject.h"
#include "src/host/HostTypes.h"
#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Explorers;
class Inspectors;
class NameSpace;
class Item;

class Application : public HostObject {
  public:
    std::string TypeName() const override { return "Application"; }

    virtual std::string Name() = 0;
    virtual std::string Version() = 0;
    virtual std::string ProductCode() = 0;
    virtual Ref<Explorers> GetExplorers() = 0;
    virtual Ref<Inspectors> GetInspectors() = 0;
    virtual Ref<NameSpace> GetNamespace(const std::string& type) = 0;
    virtual Ref<Item> CreateItem(ItemType type) = 0;

    virtual Connection Advise(ApplicationEvents& sink) = 0;
};

}  // namespace pwk::host
