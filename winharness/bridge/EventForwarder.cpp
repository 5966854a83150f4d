#include "winharness/bridge/EventForwarder.h"

#include "win/combase/ComFailure.h"

namespace pwk::bridge {

void EventForwarder::Fire(DISPID id, const std::string& event, std::vector<win::Variant> args,
                          bool* flag) {
    // The sink may end its own connection, which lets go of this forwarder: keep both for the
    // call.
    const auto self = shared_from_this();
    const win::ComPtr<IDispatch> sink = sink_;
    VARIANT_BOOL flagValue = (flag != nullptr && *flag) ? VARIANT_TRUE : VARIANT_FALSE;
    std::vector<VARIANT> reversed;
    if (flag != nullptr) {
        VARIANT byReference;
        VariantInit(&byReference);
        byReference.vt = VT_BOOL | VT_BYREF;
        byReference.pboolVal = &flagValue;
        reversed.push_back(byReference);
    }
    for (auto it = args.rbegin(); it != args.rend(); ++it) {
        reversed.push_back(*it->Get());
    }
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO exception{};
    const HRESULT result = sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                        nullptr, &exception, nullptr);
    if (flag != nullptr) {
        *flag = flagValue != VARIANT_FALSE;
    }
    if (FAILED(result)) {
        throw win::FailureOf(result, &exception, event);
    }
}

}  // namespace pwk::bridge
