#pragma once

#include <oaidl.h>

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "src/util/Failure.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"
#include "win/dispatch/CallArgument.h"

namespace pwk::win {

// The host object behind an adapter, and the late-bound calls on it: names resolved through
// the shared cache, arguments passed in order, a failure raised as the add-in's Failure. A call
// keeps its arguments on the stack and passes them borrowed: nothing is copied for them.
class DispatchHolder {
  public:
    // The most arguments one call passes (a control's Add passes five).
    static constexpr std::size_t MaxArguments = 8;

    explicit DispatchHolder(ComPtr<IDispatch> object);
    DispatchHolder(const DispatchHolder&) = delete;
    DispatchHolder& operator=(const DispatchHolder&) = delete;
    virtual ~DispatchHolder();

    IDispatch* Dispatch() const { return object_.Get(); }
    // The object's COM identity, the same for every interface pointer to it.
    IUnknown* Identity() const { return identity_; }

    template <class... Args>
    Variant Get(std::string_view name, Args&&... args) const {
        static_assert(sizeof...(Args) <= MaxArguments);
        std::array<CallArgument, sizeof...(Args)> list{CallArgument(std::forward<Args>(args))...};
        return Invoke(DISPATCH_PROPERTYGET | DISPATCH_METHOD, name, list);
    }
    template <class... Args>
    Variant Call(std::string_view name, Args&&... args) const {
        static_assert(sizeof...(Args) <= MaxArguments);
        std::array<CallArgument, sizeof...(Args)> list{CallArgument(std::forward<Args>(args))...};
        return Invoke(DISPATCH_METHOD, name, list);
    }
    void Put(std::string_view name, Variant value) const;
    // The object's default value (DISPID_VALUE, read as a property): its text where a client
    // takes the object as a text.
    Variant DefaultValue() const;

  private:
    Variant Invoke(WORD flags, std::string_view name, std::span<const CallArgument> args,
                   bool put = false) const;
    Variant InvokeId(DISPID id, WORD flags, std::string_view name,
                     std::span<const CallArgument> args, bool put) const;

    ComPtr<IDispatch> object_;
    IUnknown* identity_ = nullptr;
};

// The host object behind an object of the add-in's model: null for nothing, a type mismatch
// (13) for an object that did not come from the host.
template <class T>
IDispatch* DispatchOf(const T* object) {
    if (object == nullptr) {
        return nullptr;
    }
    const auto* holder = dynamic_cast<const DispatchHolder*>(object);
    if (holder == nullptr) {
        Raise(FailureNumber::TypeMismatch);
    }
    return holder->Dispatch();
}

}  // namespace pwk::win
