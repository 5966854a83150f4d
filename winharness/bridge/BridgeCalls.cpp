#include "winharness/bridge/BridgeCalls.h"

namespace pwk::bridge {

BridgeCalls& BridgeCalls::Instance() {
    static BridgeCalls calls;
    return calls;
}

void BridgeCalls::Named(IDispatch* target, const std::string& name) {
    ++counts_.Names;
    if (observer_ != nullptr) {
        observer_->Named(target, name);
    }
}

void BridgeCalls::Invoked(IDispatch* target, DISPID member, WORD flags, const DISPPARAMS& params,
                          const VARIANT* result, HRESULT answer) {
    ++counts_.Invokes;
    if (observer_ != nullptr) {
        observer_->Invoked(target, member, flags, params, result, answer);
    }
}

void BridgeCalls::PointFound(IDispatch* target, REFIID iid) {
    ++counts_.Points;
    if (observer_ != nullptr) {
        observer_->PointFound(target, iid);
    }
}

void BridgeCalls::Gone(IUnknown* identity) {
    ++counts_.Gone;
    if (observer_ != nullptr) {
        observer_->Gone(identity);
    }
}

}  // namespace pwk::bridge
