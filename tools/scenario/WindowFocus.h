#pragma once

#include <memory>

namespace pwk::sim {
class SimExplorer;
class SimHost;
class SimInspector;
class SimWindowState;
}  // namespace pwk::sim

namespace pwk::scenario {

// Which window the user is working in. Commands act on the front window (click, close, the
// buttons), on the current explorer (switch, select) or on the current inspector (send, save,
// link). When the window in front closes, the last opened inspector comes to the front, else
// the last opened explorer. Holds weak references only.
class WindowFocus {
  public:
    void Reset();
    void Bring(const std::shared_ptr<sim::SimExplorer>& explorer);
    void Bring(const std::shared_ptr<sim::SimInspector>& inspector);

    // Null when no such window is open.
    std::shared_ptr<sim::SimWindowState> Front(sim::SimHost& host) const;
    std::shared_ptr<sim::SimExplorer> Explorer(sim::SimHost& host) const;
    std::shared_ptr<sim::SimInspector> Inspector(sim::SimHost& host) const;

  private:
    std::weak_ptr<sim::SimWindowState> front_;
    std::weak_ptr<sim::SimExplorer> explorer_;
    std::weak_ptr<sim::SimInspector> inspector_;
};

}  // namespace pwk::scenario
