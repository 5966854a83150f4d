#include "win/dispatch/DispatchHolder.h"

#include <typeindex>

#include "win/combase/ComFailure.h"
#include "win/dispatch/DispIdCache.h"
#include "win/dispatch/ObjectCache.h"

namespace pwk::win {

DispatchHolder::DispatchHolder(ComPtr<IDispatch> object) : object_(std::move(object)) {
    // The identity is only compared, never called: the object's own reference keeps it valid.
    identity_ = object_.As<IUnknown>().Get();
}

DispatchHolder::~DispatchHolder() {
    ObjectCache::Instance().Forget(identity_, this);
}

void DispatchHolder::Put(std::string_view name, Variant value) const {
    const CallArgument argument(std::move(value));
    Invoke(DISPATCH_PROPERTYPUT, name, std::span<const CallArgument>(&argument, 1), true);
}

Variant DispatchHolder::DefaultValue() const {
    return InvokeId(DISPID_VALUE, DISPATCH_PROPERTYGET, "Value", {}, false);
}

Variant DispatchHolder::Invoke(WORD flags, std::string_view name,
                               std::span<const CallArgument> args, bool put) const {
    return InvokeId(DispIdCache::Instance().Lookup(object_.Get(), typeid(*this), name), flags, name,
                    args, put);
}

Variant DispatchHolder::InvokeId(DISPID id, WORD flags, std::string_view name,
                                 std::span<const CallArgument> args, bool put) const {
    // Arguments go last to first; trailing left-out ones are not passed at all.
    std::size_t count = args.size();
    while (count > 0 && args[count - 1].IsMissing()) {
        --count;
    }
    std::array<VARIANT, MaxArguments> reversed;
    for (std::size_t i = 0; i < count; ++i) {
        reversed[i] = args[count - 1 - i].Value();
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{count > 0 ? reversed.data() : nullptr, put ? &putId : nullptr,
                      static_cast<UINT>(count), put ? 1u : 0u};
    Variant result;
    EXCEPINFO exception{};
    UINT argError = 0;
    const HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                       put ? nullptr : result.Get(), &exception, &argError);
    if (FAILED(hr)) {
        throw FailureOf(hr, &exception, std::string(name));
    }
    return result;
}

}  // namespace pwk::win
