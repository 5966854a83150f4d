#include "win/dispatch/EventArgs.h"

namespace pwk::win {

VARIANT* EventArgs::At(std::size_t index) const {
    if (index >= params_.cArgs) {
        return nullptr;
    }
    VARIANT* arg = &params_.rgvarg[params_.cArgs - 1 - index];
    if (V_VT(arg) == (VT_BYREF | VT_VARIANT)) {
        arg = V_VARIANTREF(arg);
    }
    return arg;
}

IDispatch* EventArgs::Object(std::size_t index) const {
    const VARIANT* arg = At(index);
    if (arg == nullptr) {
        return nullptr;
    }
    switch (V_VT(arg)) {
        case VT_DISPATCH:
            return V_DISPATCH(arg);
        case VT_DISPATCH | VT_BYREF:
            return *V_DISPATCHREF(arg);
        default:
            return nullptr;
    }
}

VARIANT_BOOL* EventArgs::FlagAt(std::size_t index) const {
    VARIANT* arg = At(index);
    if (arg == nullptr) {
        return nullptr;
    }
    if (V_VT(arg) == (VT_BOOL | VT_BYREF)) {
        return V_BOOLREF(arg);
    }
    // A flag passed by value: the handler may read it, its answer goes nowhere.
    return V_VT(arg) == VT_BOOL ? &V_BOOL(arg) : nullptr;
}

}  // namespace pwk::win
