// The crossings BridgeArgs.h declares, between host objects and their bridges. They make and
// read bridges, so they stand above HostDispatch; the member tables that call them, below it,
// see only BridgeArgs.h.
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/ForeignObject.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::bridge {

std::shared_ptr<AutomationObject> AnyObjectArg(const win::DispatchCall& call, std::size_t index) {
    const win::Variant value = call.Arg(index);
    IDispatch* object = value.IsMissing() ? nullptr : value.ToDispatch();
    if (object == nullptr) {
        return nullptr;
    }
    if (auto host = HostDispatch::ObjectOf(object)) {
        return host;
    }
    return std::make_shared<ForeignObject>(win::ComPtr<IDispatch>(object));
}

std::shared_ptr<AutomationObject> ObjectArg(const win::DispatchCall& call, std::size_t index) {
    auto object = AnyObjectArg(call, index);
    if (dynamic_cast<const ForeignObject*>(object.get()) != nullptr) {
        Raise(FailureNumber::TypeMismatch);
    }
    return object;
}

win::Variant Bridged(const std::shared_ptr<AutomationObject>& object) {
    const win::ComPtr<IDispatch> bridge = HostDispatch::Of(object);
    return win::Variant(bridge.Get());
}

}  // namespace pwk::bridge
