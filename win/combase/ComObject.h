#pragma once

#include <oaidl.h>
#include <unknwn.h>

#include <atomic>
#include <type_traits>
#include <utility>

#include "win/combase/ComPtr.h"
#include "win/combase/Lifetime.h"

namespace pwk::win {

// IUnknown, written once for every class that faces COM: the class lists its interfaces
// (`ComObject<Lifetime, IDispatch, IConnectionPointContainer>`), QueryInterface answers
// exactly those, by the IIDs their types carry (__uuidof), together with IUnknown (the first
// interface, the object's identity) and IDispatch under any interface built on it. One atomic
// count; `Lifetime` says what the last Release does and whether the object keeps its module
// loaded (Lifetime.h). An object starts with one reference, its maker's (MakeCom). An IDispatch
// without type information derives from UntypedDispatch, which adds those answers.
template <class Lifetime, class First, class... Rest>
class ComObject : public First, public Rest... {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) final {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = InterfaceOf(iid);
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() final { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() final {
        const ULONG left = --references_;
        if constexpr (Lifetime::FreedOnRelease) {
            if (left == 0) {
                delete this;
            }
        }
        return left;
    }

    ULONG References() const { return references_; }
    IUnknown* Identity() { return static_cast<First*>(this); }

  protected:
    ComObject() noexcept { Lifetime::Begin(); }
    virtual ~ComObject() { Lifetime::End(); }

    // The interface pointer QueryInterface hands out for `iid`, or null. An object whose
    // interfaces depend on its state or are known only at run time (an event sink's
    // dispinterface) adds to or narrows Listed here.
    virtual void* InterfaceOf(REFIID iid) { return Listed(iid); }

    void* Listed(REFIID iid) {
        if (IsEqualIID(iid, __uuidof(IUnknown))) {
            return Identity();
        }
        void* found = Match<First>(iid);
        ((found = found != nullptr ? found : Match<Rest>(iid)), ...);
        return found;
    }

  private:
    template <class Interface>
    void* Match(REFIID iid) {
        Interface* self = static_cast<Interface*>(this);
        if (IsEqualIID(iid, __uuidof(Interface))) {
            return self;
        }
        if constexpr (std::is_base_of_v<IDispatch, Interface> &&
                      !std::is_same_v<IDispatch, Interface>) {
            if (IsEqualIID(iid, __uuidof(IDispatch))) {
                return static_cast<IDispatch*>(self);
            }
        }
        return nullptr;
    }

    std::atomic<ULONG> references_{1};
};

// A new COM object of class T with its one reference, handed to the caller.
template <class T, class... Args>
ComPtr<T> MakeCom(Args&&... args) {
    return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}

}  // namespace pwk::win
