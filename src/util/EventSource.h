#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "src/util/Connection.h"

namespace pwk {

// The sending side of an event interface: sinks advise and get a Connection; Raise calls every
// sink connected when the event started and still connected when its turn comes, so a handler
// may disconnect itself or others (or destroy its own object) while the event is delivered.
template <class Sink>
class EventSource {
  public:
    EventSource() = default;
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    Connection Advise(Sink& sink) {
        auto slot = std::make_shared<Slot>(Slot{&sink});
        slots_->push_back(slot);
        std::weak_ptr<Slots> weakSlots = slots_;
        std::weak_ptr<Slot> weakSlot = slot;
        return Connection([weakSlots, weakSlot] {
            auto liveSlot = weakSlot.lock();
            if (!liveSlot) {
                return;
            }
            liveSlot->sink = nullptr;
            if (auto slots = weakSlots.lock()) {
                std::erase(*slots, liveSlot);
            }
        });
    }

    // How many sinks are connected.
    std::size_t Connected() const { return slots_->size(); }

    // Calls `deliver(sink)` for every connected sink, in the order they connected.
    template <class Deliver>
    void Raise(Deliver&& deliver) {
        auto keepAlive = slots_;
        const Slots snapshot = *slots_;
        for (const auto& slot : snapshot) {
            if (slot->sink != nullptr) {
                deliver(*slot->sink);
            }
        }
    }

  private:
    struct Slot {
        Sink* sink;
    };
    using Slots = std::vector<std::shared_ptr<Slot>>;
    std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
};

}  // namespace pwk
