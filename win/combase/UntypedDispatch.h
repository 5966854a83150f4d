#pragma once

#include <oaidl.h>

#include "win/combase/ComObject.h"

namespace pwk::win {

// A ComObject whose IDispatch (or an interface built on it) has no type information: its
// members are found by name (GetIDsOfNames) or called by their known numbers. The class adds
// GetIDsOfNames and Invoke.
template <class Lifetime, class... Interfaces>
class UntypedDispatch : public ComObject<Lifetime, Interfaces...> {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) final {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) final {
        if (info != nullptr) {
            *info = nullptr;
        }
        return E_NOTIMPL;
    }
};

}  // namespace pwk::win
