#pragma once

#include <string>
#include <utility>

#include "sim/SimObject.h"

namespace pwk::sim {

// Joins one of the host's interfaces to the simulated object's state (SimObject or a state
// class derived from it); the audit and the call check use the interface's type name.
template <class Interface, class State = SimObject>
class SimBase : public Interface, public State {
  public:
    std::string AuditType() const override { return this->TypeName(); }

  protected:
    template <class... Args>
    explicit SimBase(Args&&... args) : State(std::forward<Args>(args)...) {}
};

}  // namespace pwk::sim
