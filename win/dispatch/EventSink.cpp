#include "win/dispatch/EventSink.h"

#include <ocidl.h>

#include "win/combase/ComFailure.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

Connection EventSink::Advise(IDispatch* source, const IID& events, Handlers handlers) {
    const auto container =
        ComPtr<IDispatch>(source).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) {
        throw FailureOf(E_NOINTERFACE, nullptr, "Advise");
    }
    ComPtr<IConnectionPoint> point;
    Check(container->FindConnectionPoint(events, point.Out()), "Advise");
    // The sink starts with one reference, ours; after Advise the host's is the only one left.
    auto sink = ComPtr<IDispatch>::Attach(new EventSink(events, std::move(handlers)));
    DWORD cookie = 0;
    Check(point->Advise(sink.Get(), &cookie), "Advise");
    return Connection([point, cookie]() mutable {
        point->Unadvise(cookie);
        point.Reset();
    });
}

HRESULT EventSink::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, events_)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG EventSink::AddRef() {
    return ++references_;
}

ULONG EventSink::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
    if (count != nullptr) {
        *count = 0;
    }
    return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT EventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                          EXCEPINFO*, UINT*) {
    const auto found = handlers_.find(member);
    if (found == handlers_.end() || params == nullptr) {
        return S_OK;
    }
    // Keep the sink alive through a handler that ends its own connection.
    AddRef();
    try {
        EventArgs args(*params);
        found->second(args);
    } catch (...) {
        // The handlers report their own failures; the host never sees one.
    }
    Release();
    return S_OK;
}

}  // namespace pwk::win
