#include "win/automation/CallArgs.h"

#include "src/util/Failure.h"

namespace pwk::win {
namespace {

constexpr std::int32_t kArgumentNotOptional = 449;

Variant Required(const DispatchCall& call, std::size_t index) {
    Variant value = call.Arg(index);
    if (value.IsMissing()) {
        throw Failure(kArgumentNotOptional, "Argument not optional");
    }
    return value;
}

}  // namespace

std::string TextArg(const DispatchCall& call, std::size_t index, const std::string& missing) {
    return OptionalText(call, index).value_or(missing);
}

std::int32_t NumberArg(const DispatchCall& call, std::size_t index) {
    return Required(call, index).ToInt32();
}

std::optional<std::int32_t> OptionalNumber(const DispatchCall& call, std::size_t index) {
    const Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return std::nullopt;
    }
    return value.ToInt32();
}

std::optional<std::string> OptionalText(const DispatchCall& call, std::size_t index) {
    const Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return std::nullopt;
    }
    return value.ToString();
}

bool FlagArg(const DispatchCall& call, std::size_t index, bool missing) {
    return OptionalFlag(call, index).value_or(missing);
}

std::optional<bool> OptionalFlag(const DispatchCall& call, std::size_t index) {
    const Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return std::nullopt;
    }
    return value.ToBool();
}

bool IsObjectArg(const DispatchCall& call, std::size_t index) {
    return V_VT(call.Arg(index).Get()) == VT_DISPATCH;
}

ComPtr<IDispatch> DispatchArg(const DispatchCall& call, std::size_t index) {
    const Variant value = call.Arg(index);
    if (value.IsMissing()) {
        return {};
    }
    return ComPtr<IDispatch>(value.ToDispatch());
}

}  // namespace pwk::win
