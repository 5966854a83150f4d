#pragma once

#include <memory>

#include "src/util/Connection.h"
#include "src/util/Ref.h"

namespace pwk {

// An event-receiving reference: holds an object together with the connection of `sink` to
// its events. Assigning an object connects, resetting disconnects. The sink is the object that
// owns this reference, so it outlives the connection.
//
// `Source` must offer `Connection Advise(Sink&)`.
template <class Source, class Sink>
class WithEvents {
  public:
    explicit WithEvents(Sink& sink) : sink_(&sink) {}
    WithEvents(const WithEvents&) = delete;
    WithEvents& operator=(const WithEvents&) = delete;

    WithEvents& operator=(Ref<Source> object) {
        Reset();
        if (object) {
            connection_ = object->Advise(*sink_);
        }
        object_ = std::move(object);
        return *this;
    }

    // Disconnects first, then drops the reference.
    void Reset() {
        connection_.Disconnect();
        object_.reset();
    }

    const Ref<Source>& Get() const { return object_; }
    Source& operator*() const { return *object_; }
    Source* operator->() const { return object_.operator->(); }
    explicit operator bool() const { return static_cast<bool>(object_); }

  private:
    Sink* sink_;
    Ref<Source> object_;
    Connection connection_;
};

}  // namespace pwk
