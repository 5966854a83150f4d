#pragma once

#include <memory>

#include "src/host/Events.h"
#include "src/host/HostObject.h"
#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBars;
class Item;

class Inspector : public HostObject {
  public:
    std::string TypeName() const override { return "Inspector"; }

    virtual Ref<CommandBars> GetCommandBars() = 0;
    virtual Ref<Item> CurrentItem() = 0;  // empty when the window shows no item
    virtual int EditorType() = 0;

    virtual Connection Advise(InspectorEvents& sink) = 0;
};

}  // namespace pwk::host
