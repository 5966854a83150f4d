#pragma once

#include <unknwn.h>

#include <functional>
#include <utility>

#include "win/combase/ComBoundary.h"
#include "win/combase/ComObject.h"

namespace pwk::win {

// The class object of one class: CreateInstance makes a new object with `make` and hands out
// the interface asked for. A maker that fails or makes nothing is a failure to create (its
// failure's HRESULT, else E_UNEXPECTED). `Lifetime` is the class object's own
// (ServerStaticLifetime for a DLL's statics), and says what a client's LockServer holds.
template <class Lifetime>
class ClassFactory final : public ComObject<Lifetime, IClassFactory> {
  public:
    using Make = std::function<ComPtr<IUnknown>()>;

    explicit ClassFactory(Make make) : make_(std::move(make)) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return Guarded([&] {
            const ComPtr<IUnknown> made = make_();
            return made ? made->QueryInterface(iid, object) : E_UNEXPECTED;
        });
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        Lifetime::Lock(lock != FALSE);
        return S_OK;
    }

  private:
    Make make_;
};

}  // namespace pwk::win
