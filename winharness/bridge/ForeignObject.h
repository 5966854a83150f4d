#pragma once

#include <oaidl.h>

#include <utility>

#include "src/platform/AutomationObject.h"
#include "win/combase/ComPtr.h"

namespace pwk::bridge {

// An object a component handed the host that is no bridge of a host object (the component's
// own options page): the host keeps it as the component made it, with a reference of its own,
// and gives it back only to whoever knows its interfaces.
class ForeignObject final : public AutomationObject {
  public:
    explicit ForeignObject(win::ComPtr<IDispatch> object) : object_(std::move(object)) {}

    const win::ComPtr<IDispatch>& Dispatch() const { return object_; }

  private:
    win::ComPtr<IDispatch> object_;
};

}  // namespace pwk::bridge
