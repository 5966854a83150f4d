#include "win/bridge/BridgeArgs.h"

#include "win/bridge/HostDispatch.h"

namespace pwk::bridge {
namespace {

constexpr std::int32_t kArgumentNotOptional = 449;

win::Variant Required(const win::DispatchCall& call, std::size_t index) {
    win::Variant value = call.Arg(index);
    if (value.IsMissing()) {
        throw Failure(kArgumentNotOptional, "Argument not optional");
    }
    return value;
}

}  // namespace

std::string TextArg(const win::DispatchCall& call, std::size_t index, const std::string& missing) {
    return OptionalText(call, index).value_or(missing);
}

std::int32_t NumberArg(const win::DispatchCall& call, std::size_t index) {
    return Required(call, index).ToInt32();
}

std::optional<std::int32_t> OptionalNumber(const win::DispatchCall& call, std::size_t index) {
    const win::Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return std::nullopt;
    }
    return value.ToInt32();
}

std::optional<std::string> OptionalText(const win::DispatchCall& call, std::size_t index) {
    const win::Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return std::nullopt;
    }
    return value.ToString();
}

bool FlagArg(const win::DispatchCall& call, std::size_t index, bool missing) {
    return OptionalFlag(call, index).value_or(missing);
}

std::optional<bool> OptionalFlag(const win::DispatchCall& call, std::size_t index) {
    const win::Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return std::nullopt;
    }
    return value.ToBool();
}

bool IsObjectArg(const win::DispatchCall& call, std::size_t index) {
    return V_VT(call.Arg(index).Get()) == VT_DISPATCH;
}

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
