#include "win/dispatch/EventHold.h"

#include <utility>

namespace pwk::win {

EventHold& EventHold::Instance() {
    static EventHold hold;
    return hold;
}

EventHold::Scope::Scope() {
    ++Instance().depth_;
}

EventHold::Scope::~Scope() {
    EventHold& hold = Instance();
    if (--hold.depth_ == 0) {
        hold.Release();
    }
}

void EventHold::Keep(const std::shared_ptr<AutomationObject>& adapter) {
    if (depth_ > 0) {
        held_.push_back(adapter);
    }
}

void EventHold::Release() {
    // Taken out first: letting an object go may run code that makes or holds another.
    std::vector<std::shared_ptr<AutomationObject>> held = std::exchange(held_, {});
    while (!held.empty()) {
        held.pop_back();
    }
}

}  // namespace pwk::win
