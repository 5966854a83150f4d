#pragma once

#include "win/dispatch/DispatchHolder.h"

namespace pwk::win {

// A host object read in passing that has no interface in the add-in's model (an attachment, a
// message's sender). `Kind` names its type, so that each kind has its own member numbers.
template <class Kind>
class PlainObject final : public DispatchHolder {
  public:
    // Fails with 91 when `value` holds nothing.
    explicit PlainObject(const Variant& value)
        : DispatchHolder(ComPtr<IDispatch>(Required(value.ToDispatch()))) {}

  private:
    static IDispatch* Required(IDispatch* object) {
        if (object == nullptr) {
            Raise(FailureNumber::ObjectNotSet);
        }
        return object;
    }
};

}  // namespace pwk::win
