#pragma once

#include <oaidl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "src/platform/AutomationObject.h"
#include "win/combase/Variant.h"

namespace pwk::win {

// Keeps the host objects the add-in looks up while it handles a host event until the event
// returns to the host. A handler asks for the same folder, its items or an item again and again
// (a send looks each recipient up in every tracked folderset); held, each is one adapter and one
// host object for the whole event instead of one made and let go per call, and the identity
// cache hands the same adapter back. The texts the handlers pass (folder identifiers, search
// filters) are likewise converted to a BSTR once per event. Outside an event nothing is held:
// what the add-in lets go between events, at start-up or at shutdown, goes at once.
class EventHold {
  public:
    static EventHold& Instance();

    // One host event under way; events raised inside it (a save's Write, a box's message loop)
    // nest. When the outermost one ends, the objects held go, the last made first.
    class Scope {
      public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // Holds a newly made adapter until the event ends; nothing outside an event.
    void Keep(const std::shared_ptr<AutomationObject>& adapter);
    // The BSTR of `text` held until the event ends, to be passed borrowed; null outside an
    // event.
    const VARIANT* Text(std::string_view text);
    std::size_t Held() const { return held_.size() + texts_; }

  private:
    // A text passed before, found by where its characters are: a handler passes the same
    // strings it holds (a folderset's identifiers, one recipient's filters) call after call.
    // Its content is compared all the same, so a string made anew in the same place is only
    // looked up afresh.
    struct Recent {
        const char* data = nullptr;
        const std::string* text = nullptr;
        const VARIANT* bstr = nullptr;
    };
    // A text converted during the event, and its BSTR.
    struct HeldText {
        std::string text;
        Variant bstr;
    };
    static constexpr std::size_t kBlock = 64;  // texts per block

    HeldText& At(std::size_t index) { return blocks_[index / kBlock][index % kBlock]; }
    // The slot of `slots_` that holds `text`, or the free one where it would go.
    std::size_t SlotOf(std::string_view text);
    void Grow();
    void Release();

    int depth_ = 0;
    std::array<Recent, 256> recent_{};
    std::vector<std::shared_ptr<AutomationObject>> held_;
    // The event's texts, in blocks that never move (a BSTR handed out stays where it is until
    // the event ends), found by content through an open-addressed table of their numbers plus
    // one (0: free). Blocks, strings and table are kept for the next event: once they have
    // grown, an event's texts cost no allocation of their own, only their BSTRs.
    std::vector<std::unique_ptr<HeldText[]>> blocks_;
    std::size_t texts_ = 0;
    std::vector<std::uint32_t> slots_;
};

}  // namespace pwk::win
