#pragma once

#include <memory>

#include "sim/SimBase.h"
#include "src/host/CommandBarControls.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class ControlHolder;

// The controls of a bar or a menu, numbered from 1; a missing one fails with 5, as the host's
// command bars do. Add takes buttons (1) and popups (10); a new control has Id 1 unless an Id
// is given, which makes it a copy of that host command.
class SimCommandBarControls : public SimBase<host::CommandBarControls> {
  public:
    SimCommandBarControls(std::shared_ptr<SimCore> core, std::weak_ptr<ControlHolder> bar)
        : SimBase<host::CommandBarControls>(std::move(core)), bar_(std::move(bar)) {}

    std::int32_t Count() override;
    Ref<host::CommandBarControl> Item(std::int32_t index) override;
    Ref<host::CommandBarControl> Item(const std::string& caption) override;
    Ref<host::CommandBarControl> Add(int type, std::optional<int> id, const std::string& parameter,
                                     std::optional<std::int32_t> before, bool temporary) override;

  private:
    ControlHolder& LiveBar() const;

    std::weak_ptr<ControlHolder> bar_;
};

}  // namespace pwk::sim
