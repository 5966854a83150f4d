#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace pwk::sim {

class SimObject;

// One host object that something outside the host still holds.
struct HeldObject {
    std::string Type;  // "MAPIFolder", "CommandBarButton", ...
    std::string Name;  // the folder path, the control's caption, the item's subject ...
    long Holders = 0;  // references beyond the host's own
};

// Keeps a weak reference to every object the host made, so that it can tell which of them are
// still referenced from outside: an object's reference count minus the host's own references.
class ObjectAudit {
  public:
    void Register(const std::shared_ptr<SimObject>& object);
    // Every live object held from outside, in the order the objects were made.
    std::vector<HeldObject> Held();
    std::size_t LiveCount();

  private:
    void Prune();

    std::vector<std::weak_ptr<SimObject>> objects_;
    std::size_t pruneAt_ = 1024;
};

}  // namespace pwk::sim
