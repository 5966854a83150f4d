#pragma once

#include "src/host/Item.h"
#include "src/host/Selection.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchSelection final : public DispatchAdapter<host::Selection> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::Item> Item(std::int32_t index) override { return Object<host::Item>("Item", index); }
};

}  // namespace pwk::win
