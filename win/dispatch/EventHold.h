#pragma once

#include <memory>
#include <vector>

#include "src/platform/AutomationObject.h"

namespace pwk::win {

// Keeps the host objects the add-in looks up while it handles a host event until the event
// returns to the host. A handler asks for the same folder, its items or an item again and again
// (a send looks each recipient up in every tracked folderset); held, each is one adapter and one
// host object for the whole event instead of one made and let go per call, and the identity
// cache hands the same adapter back. Outside an event nothing is held: what the add-in lets go
// between events, at start-up or at shutdown, goes at once.
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
    std::size_t Held() const { return held_.size(); }

  private:
    void Release();

    int depth_ = 0;
    std::vector<std::shared_ptr<AutomationObject>> held_;
};

}  // namespace pwk::win
