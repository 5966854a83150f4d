#pragma once

#include <atomic>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace pwk::sim {

class AuditedObject;

// One host object that something outside the host still holds.
struct HeldObject {
    std::string Type;  // "MAPIFolder", "CommandBarButton", ...
    std::string Name;  // the folder path, the control's caption, the item's subject ...
    long Holders = 0;  // references beyond the host's own
};

// Something outside the host let go of one of its objects.
struct Release {
    enum class Kind {
        Events,      // a sink's connection to the object's events ended
        References,  // fewer outside references than at the audit's last look
    };
    Kind What;
    std::string Type;
    std::string Name;

    bool operator==(const Release&) const = default;
};

// Keeps a weak reference to every object the host made, so that it can tell which of them are
// still referenced from outside: an object's reference count minus the host's own references.
//
// It also keeps the order in which the outside lets go, from the first time someone asks for
// it on: the end of an events connection is seen as it happens; dropped references are seen at
// the next look, which the audit takes whenever an events connection ends and before it hands
// out the releases. So a reference dropped before a connection ends is listed before it, and
// one dropped after it, after. A look walks every object the host made, so a host nobody asks
// (a scenario run, a benchmark) neither looks nor keeps the log.
class ObjectAudit {
  public:
    void Register(const std::shared_ptr<AuditedObject>& object);
    // Every live object held from outside, in the order the objects were made.
    std::vector<HeldObject> Held();

    // Whether releases are being recorded: the first TakeReleases starts it.
    bool RecordsReleases() const { return recording_; }
    // A sink's connection to the events of the object `type` `name` ended.
    void EventsReleased(std::string type, std::string name);
    // The releases since the last call, in order (dropped references in the order the objects
    // were made where one look finds several); nothing at the first call, which starts the
    // record.
    std::vector<Release> TakeReleases();

  private:
    struct Entry {
        std::weak_ptr<AuditedObject> Object;
        long Outside = 0;    // outside references at the last look
        std::string Type{};  // as the object was named when last seen held
        std::string Name{};
    };

    void Look();
    void Prune();

    // A deque: a host that only grows (a mailbox filling with sent mail) never has its entries
    // moved, and no single object made pays for moving all those before it.
    std::deque<Entry> objects_;
    std::size_t pruneAt_ = 1024;
    // Objects gone since the last prune, counted as they go: a walk in search of the gone is
    // made only when there are enough of them to pay for it.
    std::shared_ptr<std::atomic<std::size_t>> gone_ = std::make_shared<std::atomic<std::size_t>>(0);
    std::vector<Release> releases_;
    bool recording_ = false;
};

}  // namespace pwk::sim
