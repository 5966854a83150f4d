#include "win/dispatch/EventHold.h"

#include <cstdint>
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

const VARIANT* EventHold::Text(std::string_view text) {
    if (depth_ == 0) {
        return nullptr;
    }
    Recent& recent = recent_[(reinterpret_cast<std::uintptr_t>(text.data()) >> 4 ^ text.size()) %
                             recent_.size()];
    if (recent.text != nullptr && recent.data == text.data() && *recent.text == text) {
        return recent.bstr;
    }
    auto found = texts_.find(text);
    if (found == texts_.end()) {
        found = texts_.emplace(std::string(text), Variant(text)).first;
    }
    // The map's nodes stay where they are until the event ends.
    recent = Recent{text.data(), &found->first, found->second.Get()};
    return recent.bstr;
}

void EventHold::Release() {
    recent_.fill(Recent{});
    texts_.clear();
    // Taken out first: letting an object go may run code that makes or holds another.
    std::vector<std::shared_ptr<AutomationObject>> held = std::exchange(held_, {});
    while (!held.empty()) {
        held.pop_back();
    }
}

}  // namespace pwk::win
