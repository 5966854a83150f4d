#include "win/automation/DispatchCall.h"

#include <utility>

#include "src/util/Failure.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

DispatchCall::DispatchCall(WORD flags, const DISPPARAMS& params, VARIANT* result)
    : flags_(flags), result_(result) {
    // Named arguments (a put's value) come first in the array; positional ones last to first.
    for (UINT i = params.cArgs; i > params.cNamedArgs; --i) {
        args_.push_back(&params.rgvarg[i - 1]);
    }
    for (UINT i = params.cNamedArgs; i > 0; --i) {
        args_.push_back(&params.rgvarg[i - 1]);
    }
}

win::Variant DispatchCall::Arg(std::size_t index) const {
    if (index >= args_.size()) {
        return win::Variant(win::Variant::Missing{});
    }
    win::Variant copy;
    VariantCopyInd(copy.Get(), args_[index]);
    return copy;
}

void DispatchCall::Return(const win::Variant& value) {
    if (result_ != nullptr) {
        VariantCopy(result_, const_cast<VARIANT*>(value.Get()));
    }
}

void DispatchCall::Assign(std::size_t index, const win::Variant& value) {
    VARIANT* arg = index < args_.size() ? args_[index] : nullptr;
    if (arg != nullptr && V_VT(arg) == (VT_BYREF | VT_VARIANT)) {
        VariantCopy(V_VARIANTREF(arg), const_cast<VARIANT*>(value.Get()));
        return;
    }
    if (arg != nullptr && V_VT(arg) == (VT_BYREF | VT_DISPATCH)) {
        ComPtr<IDispatch> object(value.ToDispatch());
        // The reference the argument held goes with the one it is replaced by.
        ComPtr<IDispatch>::Attach(std::exchange(*V_DISPATCHREF(arg), object.Detach()));
        return;
    }
    Raise(FailureNumber::TypeMismatch);
}

void DispatchCall::Fail(std::int32_t number, const std::string& text) {
    throw Failure(number, text);
}

}  // namespace pwk::win
