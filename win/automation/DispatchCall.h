#pragma once

#include <oaidl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/combase/Variant.h"

namespace pwk::win {

// One call of a bridged member: its arguments in declared order, and its answer.
class DispatchCall {
  public:
    DispatchCall(WORD flags, const DISPPARAMS& params, VARIANT* result);

    bool IsPut() const { return (flags_ & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }
    std::size_t Count() const { return args_.size(); }
    // The argument at `index` (a copy); Missing when it was left out.
    win::Variant Arg(std::size_t index) const;
    void Return(const win::Variant& value);
    // Replaces what a by-reference argument refers to (VT_BYREF with VT_VARIANT or
    // VT_DISPATCH, the latter taking an object or nothing); a type mismatch (13) for an
    // argument passed by value or of another type.
    void Assign(std::size_t index, const win::Variant& value);
    // Fails the call with `number` and `text`, raised by the object (a Failure without a source).
    [[noreturn]] static void Fail(std::int32_t number, const std::string& text);

  private:
    WORD flags_;
    std::vector<VARIANT*> args_;
    VARIANT* result_;
};

}  // namespace pwk::win
