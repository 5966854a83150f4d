#pragma once

#include "src/host/CommandBar.h"
#include "src/host/CommandBarControl.h"
#include "src/host/CommandBarControls.h"
#include "src/host/FindControlQuery.h"
#include "win/dispatch/DispatchAdapter.h"

namespace pwk::win {

class DispatchCommandBar final : public DispatchAdapter<host::CommandBar> {
  public:
    using DispatchAdapter::DispatchAdapter;
    std::string Name() override { return Str("Name"); }
    Ref<host::CommandBarControls> Controls() override {
        return Object<host::CommandBarControls>("Controls");
    }
    Ref<host::CommandBarControl> FindControl(const host::FindControlQuery& query) override {
        return CallObject<host::CommandBarControl>("FindControl", query.Type, query.Id, query.Tag,
                                                   query.Visible, query.Recursive);
    }
};

}  // namespace pwk::win
