#pragma once

#include "src/host/Link.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchLink final : public DispatchAdapter<host::Link> {
  public:
    using DispatchAdapter::DispatchAdapter;
    int Type() override { return Int("Type"); }
    Ref<host::HostObject> Item() override { return Object<host::HostObject>("Item"); }
};

}  // namespace pwk::win
