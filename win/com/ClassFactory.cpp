#include "win/com/ClassFactory.h"

#include <new>

#include "win/com/ModuleState.h"

namespace pwk::win {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    IUnknown* made = nullptr;
    try {
        made = make_();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
    if (made == nullptr) {
        return E_UNEXPECTED;
    }
    const HRESULT result = made->QueryInterface(iid, object);
    made->Release();
    return result;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    ModuleState::Lock(lock != FALSE);
    return S_OK;
}

}  // namespace pwk::win
