#pragma once

#include <oaidl.h>

namespace pwk::win {

// The answers of an IDispatch that has no type information: its members are found by name
// (GetIDsOfNames) or called by their known numbers.
inline HRESULT NoTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

inline HRESULT NoTypeInfo(ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

}  // namespace pwk::win
