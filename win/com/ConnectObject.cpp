#include "win/com/ConnectObject.h"

#include "win/com/HookKeysMember.h"
#include "win/com/ModuleState.h"
#include "win/combase/ComBoundary.h"
#include "win/combase/Variant.h"
#include "win/dispatch/DispatchHost.h"

namespace pwk::win {

ConnectObject::ConnectObject() : core_(std::make_unique<Connect>(ModuleState::TheComponent())) {}

ConnectObject::~ConnectObject() = default;

HRESULT ConnectObject::GetIDsOfNames(REFIID /*iid*/, LPOLESTR* names, UINT count, LCID /*locale*/,
                                     DISPID* ids) {
    if (count == 1 && names != nullptr && ids != nullptr && HookKeysMember::Find(names[0], ids)) {
        return S_OK;
    }
    if (!typeInfo_) {
        ComPtr<ITypeLib> library;
        if (FAILED(LoadTypeLibEx(ModuleState::Path().c_str(), REGKIND_NONE, library.Out())) ||
            FAILED(library->GetTypeInfoOfGuid(__uuidof(IDTExtensibility2), typeInfo_.Out()))) {
            return DISP_E_UNKNOWNNAME;
        }
    }
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

// The members by the numbers the host publishes: OnConnection(Application, ConnectMode,
// AddInInst, custom) 1, OnDisconnection(RemoveMode, custom) 2, OnAddInsUpdate 3,
// OnStartupComplete 4, OnBeginShutdown 5, each with the custom array last, which is not used.
// A test machine adds one member of its own (HookKeysMember.h).
HRESULT ConnectObject::Invoke(DISPID member, REFIID /*iid*/, LCID /*locale*/, WORD flags,
                              DISPPARAMS* params, VARIANT* result, EXCEPINFO* /*exception*/,
                              UINT* argError) {
    if (HookKeysMember::Is(member)) {
        return HookKeysMember::Invoke(*core_, flags, params, result, argError);
    }
    constexpr UINT kArgs[] = {4, 2, 1, 1, 1};
    if (member < 1 || member > 5 || (flags & DISPATCH_METHOD) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params == nullptr || params->cArgs != kArgs[member - 1]) {
        return DISP_E_BADPARAMCOUNT;
    }
    Variant first;
    Variant second;
    Variant third;
    const auto arg = [&](UINT position, VARTYPE type, Variant& value) {
        return DispGetParam(params, position, type, value.Get(), argError);
    };
    HRESULT status = S_OK;
    switch (member) {
        case 1:
            if (SUCCEEDED(status = arg(0, VT_DISPATCH, first)) &&
                SUCCEEDED(status = arg(1, VT_I4, second)) &&
                SUCCEEDED(status = arg(2, VT_DISPATCH, third))) {
                status = OnConnection(first.Get()->pdispVal, second.Get()->lVal,
                                      third.Get()->pdispVal, nullptr);
            }
            return status;
        case 2:
            return SUCCEEDED(status = arg(0, VT_I4, first))
                       ? OnDisconnection(first.Get()->lVal, nullptr)
                       : status;
        case 3:
            return OnAddInsUpdate(nullptr);
        case 4:
            return OnStartupComplete(nullptr);
        default:
            return OnBeginShutdown(nullptr);
    }
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
