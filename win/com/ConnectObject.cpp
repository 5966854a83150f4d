#include "win/com/ConnectObject.h"

#include "win/com/ModuleState.h"
#include "win/combase/ComBoundary.h"
#include "win/dispatch/DispatchHost.h"

namespace pwk::win {

ConnectObject::ConnectObject() : core_(std::make_unique<Connect>(ModuleState::TheComponent())) {}

ConnectObject::~ConnectObject() = default;

HRESULT ConnectObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT ConnectObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                              UINT*) {
    return DISP_E_MEMBERNOTFOUND;
}

// The core reports its own failures; the host is answered S_OK whatever escapes, even a failure
// made while wrapping the host's objects.
HRESULT ConnectObject::OnConnection(IDispatch* application, int connectMode, IDispatch* addInInst,
                                    SAFEARRAY** /*custom: not used*/) {
    Guarded([&] {
        core_->OnConnection(WrapApplication(application), connectMode,
                            WrapAddInInstance(addInInst));
    });
    return S_OK;
}

HRESULT ConnectObject::OnDisconnection(int removeMode, SAFEARRAY** /*custom*/) {
    Guarded([&] { core_->OnDisconnection(removeMode); });
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
