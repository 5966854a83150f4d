#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/EscapedFailure.h"
#include "sim/FaultInjector.h"
#include "sim/ObjectAudit.h"
#include "src/util/EventSource.h"
#include "src/util/Failure.h"

namespace pwk::sim {

class SimWorld;

// The state every object of one simulated host shares: the call check, the audit, the way to
// the host as a whole, and the failures the add-in's handlers let through.
class SimCore {
  public:
    FaultInjector Faults;
    ObjectAudit Audit;
    // Set while the host runs; cleared at shutdown, after which every call fails.
    SimWorld* World = nullptr;
    std::vector<EscapedFailure> Escaped;
    // Goes up whenever a folder is added, removed or given another EntryID, so that the
    // namespace's directory of folders knows when to look again.
    std::uint64_t FolderChanges = 0;

    // The one check every member of every host object passes first.
    // Counts the call and raises its planned failure; true when it is to hand back nothing.
    bool BeforeCall(std::string_view type, std::string_view member, bool objectGetter);
    SimWorld& world();

    // Delivers an event to every sink. A failure a handler lets out is recorded and does not
    // stop delivery to the others: the host does not take failures from its event sinks.
    template <class Sink, class Deliver>
    void Raise(EventSource<Sink>& source, const std::string& event, Deliver&& deliver) {
        source.Raise([&](Sink& sink) { Guarded(event, [&] { deliver(sink); }); });
    }

    // Calls into the add-in; a failure it lets out is recorded under `event`.
    template <class Call>
    void Guarded(const std::string& event, Call&& call) {
        try {
            call();
        } catch (const Failure& failure) {
            Escaped.push_back(EscapedFailure{event, failure.Description});
        } catch (const std::exception& error) {
            Escaped.push_back(EscapedFailure{event, error.what()});
        } catch (...) {
            Escaped.push_back(EscapedFailure{event, "unknown exception"});
        }
    }
};

}  // namespace pwk::sim
