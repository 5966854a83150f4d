#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "sim/SimCollection.h"
#include "sim/SimExplorer.h"
#include "sim/SimInspector.h"
#include "src/host/Explorers.h"
#include "src/host/Inspectors.h"
#include "src/util/EventSource.h"

namespace pwk::sim {

// The host's open windows of one kind, numbered from 1 in the order they opened. A closing
// window stays in the list while its Close event is delivered.
template <class Interface, class Window, class WindowInterface, class Sink,
          void (Sink::*Announce)(const Ref<WindowInterface>&)>
class SimWindows : public SimBase<Interface> {
  public:
    SimWindows(std::shared_ptr<SimCore> core, std::string newEvent)
        : SimBase<Interface>(std::move(core)), newEvent_(std::move(newEvent)) {}

    std::int32_t Count() override {
        this->Enter("Count");
        return SimCollection::Count(windows_);
    }
    Ref<WindowInterface> Item(std::int32_t index) override {
        if (this->EnterGetter("Item")) {
            return nullptr;
        }
        return SimCollection::At(windows_, index, "Item").get();
    }
    Connection Advise(Sink& sink) override {
        this->Enter("Advise");
        return this->AuditedAdvise(events_, sink);
    }

    const std::vector<Owned<Window>>& All() const { return windows_; }
    // Adds the window and announces it.
    void Open(const std::shared_ptr<Window>& window) {
        windows_.emplace_back(window);
        std::shared_ptr<WindowInterface> announced = window;
        this->Core().Raise(events_, newEvent_, [&](Sink& sink) { (sink.*Announce)(announced); });
    }
    void Remove(const Window& window) {
        std::erase_if(windows_, [&](const Owned<Window>& w) { return w.get().get() == &window; });
    }

  private:
    std::string newEvent_;
    std::vector<Owned<Window>> windows_;
    EventSource<Sink> events_;
};

using SimExplorers = SimWindows<host::Explorers, SimExplorer, host::Explorer, host::ExplorersEvents,
                                &host::ExplorersEvents::NewExplorer>;
using SimInspectors = SimWindows<host::Inspectors, SimInspector, host::Inspector,
                                 host::InspectorsEvents, &host::InspectorsEvents::NewInspector>;

}  // namespace pwk::sim
