#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/CommandBarLayout.h"
#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "src/host/CommandBars.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimCommandBar;

// The command bars of one window, made from the host's layout for that kind of window.
class SimCommandBars : public SimBase<host::CommandBars> {
  public:
    explicit SimCommandBars(std::shared_ptr<SimCore> core);
    ~SimCommandBars() override;

    Ref<host::CommandBar> Item(const std::string& name) override;

    void Build(const CommandBarLayout& layout, const std::weak_ptr<SimObject>& window);
    std::shared_ptr<SimCommandBar> Bar(const std::string& name) const;
    const std::vector<Owned<SimCommandBar>>& Bars() const { return bars_; }
    std::shared_ptr<SimCommandBar> AddBar(const BarSpec& spec,
                                          const std::weak_ptr<SimObject>& window);
    void RemoveBar(const std::string& name);
    // The layout without temporary controls, for the next window of the kind.
    CommandBarLayout Persistent() const;
    void MarkDeleted();

  private:
    std::vector<Owned<SimCommandBar>> bars_;
};

}  // namespace pwk::sim
