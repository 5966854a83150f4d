#include "win/dispatch/EventHold.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "src/util/LinearProbe.h"

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
    if (2 * (texts_ + 1) > slots_.size()) {
        Grow();
    }
    const std::size_t slot = SlotOf(text);
    if (slots_[slot] == 0) {
        if (texts_ == blocks_.size() * kBlock) {
            blocks_.push_back(std::make_unique<HeldText[]>(kBlock));
        }
        HeldText& made = At(texts_);
        made.text.assign(text);
        made.bstr = Variant(text);
        slots_[slot] = static_cast<std::uint32_t>(++texts_);
    }
    const HeldText& held = At(slots_[slot] - 1);
    recent = Recent{text.data(), &held.text, held.bstr.Get()};
    return recent.bstr;
}

std::size_t EventHold::SlotOf(std::string_view text) {
    return LinearProbe(std::hash<std::string_view>()(text), slots_.size(), [&](std::size_t i) {
        return slots_[i] == 0 || At(slots_[i] - 1).text == text;
    });
}

void EventHold::Grow() {
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
    for (std::size_t i = 0; i < texts_; ++i) {
        slots_[SlotOf(At(i).text)] = static_cast<std::uint32_t>(i + 1);
    }
}

void EventHold::Release() {
    recent_.fill(Recent{});
    // The BSTRs go now; the strings keep their room for the next event's texts.
    for (std::size_t i = 0; i < texts_; ++i) {
        At(i).bstr = Variant();
    }
    texts_ = 0;
    std::fill(slots_.begin(), slots_.end(), 0);
    // Taken out first: letting an object go may run code that makes or holds another.
    std::vector<std::shared_ptr<AutomationObject>> held = std::exchange(held_, {});
    while (!held.empty()) {
        held.pop_back();
    }
    held_.swap(held);  // nothing is held outside an event: only the room comes back
}

}  // namespace pwk::win
