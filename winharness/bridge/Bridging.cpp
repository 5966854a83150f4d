// The crossings BridgeArgs.h declares, between host objects and their bridges. They make and
// read bridges, so they stand above HostDispatch; the member tables that call them, below it,
// see only BridgeArgs.h.
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::bridge {

std::shared_ptr<AutomationObject> ObjectArg(const win::DispatchCall& call, std::size_t index) {
    const win::Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return nullptr;
    }
    IDispatch* object = value.ToDispatch();
    if (object == nullptr) {
        return nullptr;
    }
    auto host = HostDispatch::ObjectOf(object);
    if (!host) {
        Raise(FailureNumber::TypeMismatch);
    }
    return host;
}

win::Variant Bridged(const std::shared_ptr<AutomationObject>& object) {
    const win::ComPtr<IDispatch> bridge = HostDispatch::Of(object);
    return win::Variant(bridge.Get());
}

}  // namespace pwk::bridge
