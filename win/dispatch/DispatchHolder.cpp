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

void DispatchHolder::Put(const std::string& name, Variant value) const {
    std::vector<Variant> args;
    args.push_back(std::move(value));
    Invoke(DISPATCH_PROPERTYPUT, name, std::move(args), true);
}

Variant DispatchHolder::DefaultValue() const {
    return InvokeId(DISPID_VALUE, DISPATCH_PROPERTYGET, "Value", {}, false);
}

Variant DispatchHolder::Invoke(WORD flags, const std::string& name, std::vector<Variant> args,
                               bool put) const {
    return InvokeId(DispIdCache::Instance().Lookup(object_.Get(), typeid(*this), name), flags, name,
                    std::move(args), put);
}

Variant DispatchHolder::InvokeId(DISPID id, WORD flags, const std::string& name,
                                 std::vector<Variant> args, bool put) const {
    // Arguments go last to first; trailing left-out ones are not passed at all.
    while (!args.empty() && args.back().IsMissing()) {
        args.pop_back();
    }
    std::vector<VARIANT> reversed;
    reversed.reserve(args.size());
    for (auto it = args.rbegin(); it != args.rend(); ++it) {
        reversed.push_back(*it->Get());
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), put ? &putId : nullptr, static_cast<UINT>(reversed.size()),
                      put ? 1u : 0u};
    Variant result;
    EXCEPINFO exception{};
    UINT argError = 0;
    const HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                       put ? nullptr : result.Get(), &exception, &argError);
    if (FAILED(hr)) {
        throw FailureOf(hr, &exception, name);
    }
    return result;
}

}  // namespace pwk::win
