#include "sim/SimWindowState.h"

#include "sim/HostError.h"
#include "sim/SimCommandBars.h"

namespace pwk::sim {

SimWindowState::SimWindowState(std::shared_ptr<SimCore> core) : SimObject(core) {
    bars_ = MakeSim<SimCommandBars>(core);
}

SimWindowState::~SimWindowState() = default;

void SimWindowState::BuildBars(const CommandBarLayout& layout) {
    bars_->Build(layout, weak_from_this());
}

void SimWindowState::AddBar(const BarSpec& bar) {
    bars_->AddBar(bar, weak_from_this());
}

CommandBarLayout SimWindowState::Dismantle() {
    CommandBarLayout kept = bars_->Persistent();
    bars_->MarkDeleted();
    Invalidate(HostError::OperationFailed, "The window has been closed.");
    return kept;
}

}  // namespace pwk::sim
