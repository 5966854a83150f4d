#include "win/automation/DispatchCall.h"

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

void DispatchCall::Fail(std::int32_t number, const std::string& text) {
    throw DispatchFailure{number, text};
}

}  // namespace pwk::win
