#include "winharness/bridge/BridgeClassFactory.h"

#include "winharness/bridge/HostDispatch.h"

namespace pwk::bridge {

HRESULT BridgeClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG BridgeClassFactory::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT BridgeClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    try {
        const win::ComPtr<IDispatch> made = HostDispatch::Of(factory_ ? factory_() : nullptr);
        if (!made) {
            return E_FAIL;
        }
        return made->QueryInterface(iid, object);
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT BridgeClassFactory::LockServer(BOOL) {
    return S_OK;
}

}  // namespace pwk::bridge
