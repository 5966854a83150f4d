#pragma once

#include <oaidl.h>

#include <cstddef>

#include "win/combase/Variant.h"

namespace pwk::win {

// The arguments of one event as the host passed them (last to first in the call), read in
// their declared order.
class EventArgs {
  public:
    explicit EventArgs(const DISPPARAMS& params) : params_(params) {}

    // The object argument at `index`; null when it is missing or nothing.
    IDispatch* Object(std::size_t index) const;

    // Hands the by-reference flag at `index` to `handler` as a bool& and stores back what the
    // handler left in it.
    template <class Handler>
    void WithFlag(std::size_t index, Handler&& handler) {
        VARIANT_BOOL* target = FlagAt(index);
        bool flag = target != nullptr && *target != VARIANT_FALSE;
        handler(flag);
        if (target != nullptr) {
            *target = flag ? VARIANT_TRUE : VARIANT_FALSE;
        }
    }

  private:
    VARIANT* At(std::size_t index) const;
    VARIANT_BOOL* FlagAt(std::size_t index) const;

    const DISPPARAMS& params_;
};

}  // namespace pwk::win
