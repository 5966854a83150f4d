#pragma once

#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"

namespace pwk::bridge {

// Base of the host-side sinks that pass a host object's C++ events on to a client's
// IDispatch sink, as the host fires them: by the event's number, arguments last to first,
// by-reference flags as VT_BOOL | VT_BYREF.
class EventForwarder : public std::enable_shared_from_this<EventForwarder> {
  public:
    explicit EventForwarder(win::ComPtr<IDispatch> sink) : sink_(std::move(sink)) {}
    virtual ~EventForwarder() = default;
    EventForwarder(const EventForwarder&) = delete;
    EventForwarder& operator=(const EventForwarder&) = delete;

  protected:
    // Calls the sink's event `id` with `args` in declared order and, when given, `flag` as the
    // last argument by reference, whose answer is written back. A failure the sink answers is
    // raised as the host's Failure, so that the host records it as escaped from a handler.
    void Fire(DISPID id, const std::string& event, std::vector<win::Variant> args,
              bool* flag = nullptr);

  private:
    win::ComPtr<IDispatch> sink_;
};

}  // namespace pwk::bridge
