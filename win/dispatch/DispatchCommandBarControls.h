#pragma once

#include "src/host/CommandBarControl.h"
#include "src/host/CommandBarControls.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchCommandBarControls final : public DispatchAdapter<host::CommandBarControls> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::int32_t Count() override { return Int("Count"); }
    Ref<host::CommandBarControl> Item(std::int32_t index) override {
        return Object<host::CommandBarControl>("Item", index);
    }
    Ref<host::CommandBarControl> Item(const std::string& caption) override {
        return Object<host::CommandBarControl>("Item", caption);
    }
    Ref<host::CommandBarControl> Add(int type, std::optional<int> id, const std::string& parameter,
                                     std::optional<std::int32_t> before, bool temporary) override {
        return CallObject<host::CommandBarControl>("Add", type, id, parameter, before, temporary);
    }
};

}  // namespace pwk::win
