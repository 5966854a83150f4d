#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "sim/AuditedObject.h"
#include "sim/SimCore.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// Base of every object of the simulated host. Every member of every host object starts with
// Enter("Member"): the one place where calls are counted, planned failures are raised, and
// objects that are gone (a closed window, a deleted control or item) refuse to work.
class SimObject : public std::enable_shared_from_this<SimObject>, public AuditedObject {
  public:
    // From now on every member fails with `number`.
    void Invalidate(std::int32_t number, std::string description);
    bool Valid() const { return !invalid_; }

    SimCore& Core() const { return *core_; }
    const std::shared_ptr<SimCore>& CorePtr() const { return core_; }

    // The object as another of its interfaces (the host's interfaces are siblings).
    template <class T>
    std::shared_ptr<T> Self() {
        return As<T>(shared_from_this());
    }

  protected:
    explicit SimObject(std::shared_ptr<SimCore> core) : core_(std::move(core)) {}

    void Enter(std::string_view member) const;
    // Enter for a member that hands back an object: true when the call is planned to hand
    // back nothing instead.
    [[nodiscard]] bool EnterGetter(std::string_view member) const;

    // Connects `sink` to `events`; the audit learns when the connection ends.
    template <class Sink>
    Connection AuditedAdvise(EventSource<Sink>& events, Sink& sink) {
        auto connection = std::make_shared<Connection>(events.Advise(sink));
        return Connection(
            [connection, core = std::weak_ptr<SimCore>(core_), self = weak_from_this()] {
                connection->Disconnect();
                auto liveCore = core.lock();
                auto object = self.lock();
                if (!liveCore || !object || !liveCore->Audit.RecordsReleases()) {
                    return;
                }
                std::string type = object->AuditType();
                std::string name = object->AuditName();
                object.reset();  // not to be counted as an outside reference
                liveCore->Audit.EventsReleased(std::move(type), std::move(name));
            });
    }

  private:
    struct Invalid {
        std::int32_t number;
        std::string description;
    };

    bool EnterCall(std::string_view member, bool objectGetter) const;

    std::shared_ptr<SimCore> core_;
    std::optional<Invalid> invalid_;
};

// Makes a host object and enters it in the audit.
template <class T, class... Args>
std::shared_ptr<T> MakeSim(const std::shared_ptr<SimCore>& core, Args&&... args) {
    auto object = std::make_shared<T>(core, std::forward<Args>(args)...);
    core->Audit.Register(object);
    return object;
}

}  // namespace pwk::sim
