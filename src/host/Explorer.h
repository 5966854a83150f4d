#pragma once

#include <memory>

#include "src/host/Events.h"
#include "src/host/HostObject.h"
#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk::host {

class CommandBars;
class MAPIFolder;
class Selection;

class Explorer : public HostObject {
  public:
    std::string TypeName() const override { return "Explorer"; }

    virtual Ref<CommandBars> GetCommandBars() = 0;
    virtual Ref<MAPIFolder> CurrentFolder() = 0;
    virtual Ref<Selection> GetSelection() = 0;

    virtual Connection Advise(ExplorerEvents& sink) = 0;
};

}  // namespace pwk::host
