#include "win/automation/ConnectionPoint.h"

namespace pwk::win {

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* owner, const IID& events, Binder binder)
    : owner_(owner), events_(events), binder_(std::move(binder)) {}

HRESULT ConnectionPoint::Fire(DISPID member, std::vector<VARIANT> args) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    // A sink may disconnect while it handles the event: call a snapshot.
    const auto sinks = sinks_;
    HRESULT result = S_OK;
    for (const auto& [cookie, sink] : sinks) {
        const HRESULT answer = sink->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                            &params, nullptr, nullptr, nullptr);
        if (FAILED(answer) && SUCCEEDED(result)) {
            result = answer;
        }
    }
    return result;
}

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ConnectionPoint::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    *iid = events_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** owner) {
    *owner = owner_;
    owner_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (sink == nullptr || cookie == nullptr) {
        return E_POINTER;
    }
    win::ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(events.Out())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    Connection link;
    if (binder_) {
        const HRESULT bound = binder_(events, link);
        if (FAILED(bound)) {
            return bound;
        }
    }
    *cookie = nextCookie_++;
    sinks_.emplace(*cookie, std::move(events));
    if (binder_) {
        links_.emplace(*cookie, std::move(link));
    }
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    // The link goes first, so that no event reaches a sink being let go; it is taken out of
    // the table before it ends, since ending it may call back.
    if (const auto found = links_.find(cookie); found != links_.end()) {
        Connection ending = std::move(found->second);
        links_.erase(found);
        ending.Disconnect();
    }
    return sinks_.erase(cookie) == 1 ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    *connections = nullptr;
    return E_NOTIMPL;
}

}  // namespace pwk::win
