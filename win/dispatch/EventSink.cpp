#include "win/dispatch/EventSink.h"

#include <ocidl.h>

#include "win/combase/ComBoundary.h"
#include "win/combase/ComFailure.h"
#include "win/combase/ComPtr.h"
#include "win/dispatch/EventHold.h"

namespace pwk::win {

Connection EventSink::Advise(IDispatch* source, const IID& events, Handlers handlers) {
    const auto container = ComPtr<IDispatch>(source).As<IConnectionPointContainer>();
    if (!container) {
        throw FailureOf(E_NOINTERFACE, nullptr, "Advise");
    }
    ComPtr<IConnectionPoint> point;
    Check(container->FindConnectionPoint(events, point.Out()), "Advise");
    // The sink starts with one reference, ours; after Advise the host's is the only one left.
    const auto sink = MakeCom<EventSink>(events, std::move(handlers));
    DWORD cookie = 0;
    Check(point->Advise(sink.Get(), &cookie), "Advise");
    return Connection([point, cookie]() mutable {
        point->Unadvise(cookie);
        point.Reset();
    });
}

void* EventSink::InterfaceOf(REFIID iid) {
    return IsEqualIID(iid, events_) ? static_cast<IDispatch*>(this) : Listed(iid);
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
    const ComPtr<IDispatch> self(this);
    // What the handlers look up stays until the event returns to the host.
    const EventHold::Scope hold;
    // The handlers report their own failures; the host is answered S_OK whatever one raised.
    Guarded([&] {
        EventArgs args(*params);
        found->second(args);
    });
    return S_OK;
}

}  // namespace pwk::win
