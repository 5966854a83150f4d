#include "win/com/ConnectObject.h"

#include "win/com/ModuleState.h"
#include "win/dispatch/DispatchHost.h"

namespace pwk::win {

ConnectObject::ConnectObject() {
    ModuleState::ObjectCreated();
    core_ = std::make_unique<Connect>(ModuleState::TheComponent());
}

ConnectObject::~ConnectObject() {
    core_.reset();
    ModuleState::ObjectDestroyed();
}

HRESULT ConnectObject::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IDTExtensibility2)) {
        *object = static_cast<IDTExtensibility2*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ConnectObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG ConnectObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT ConnectObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT ConnectObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT ConnectObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT ConnectObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                              UINT*) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ConnectObject::OnConnection(IDispatch* application, int connectMode, IDispatch* addInInst,
                                    SAFEARRAY** /*custom: not used*/) {
    // The core reports its own failures; nothing may escape to the host, not even one made
    // while wrapping the host's objects.
    try {
        core_->OnConnection(WrapApplication(application), connectMode,
                            WrapAddInInstance(addInInst));
    } catch (...) {
    }
    return S_OK;
}

HRESULT ConnectObject::OnDisconnection(int removeMode, SAFEARRAY** /*custom*/) {
    try {
        core_->OnDisconnection(removeMode);
    } catch (...) {
    }
    return S_OK;
}

HRESULT ConnectObject::OnAddInsUpdate(SAFEARRAY** /*custom*/) {
    return S_OK;
}

HRESULT ConnectObject::OnStartupComplete(SAFEARRAY** /*custom*/) {
    return S_OK;
}

HRESULT ConnectObject::OnBeginShutdown(SAFEARRAY** /*custom*/) {
    return S_OK;
}

}  // namespace pwk::win
