#pragma once

#include <memory>

#include "sim/CommandBarLayout.h"
#include "sim/Owned.h"
#include "sim/SimObject.h"

namespace pwk::sim {

class SimCommandBars;

// What explorers and inspectors share: their command bars and their closing.
class SimWindowState : public SimObject {
  public:
    ~SimWindowState() override;

    SimCommandBars& Bars() const { return *bars_; }
    void BuildBars(const CommandBarLayout& layout);
    // A bar the window did not have comes (the user turns it on).
    void AddBar(const BarSpec& bar);
    bool Open() const { return Valid(); }
    // After the Close event: the window stops working, its bars go, and what is left of them
    // without temporary controls is handed back for the next window of the kind.
    CommandBarLayout Dismantle();
    virtual void RaiseClose() = 0;

  protected:
    explicit SimWindowState(std::shared_ptr<SimCore> core);

  private:
    Owned<SimCommandBars> bars_;
};

}  // namespace pwk::sim
