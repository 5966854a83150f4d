#include "win/automation/ConnectionPoint.h"

#include "win/combase/ComBoundary.h"

namespace pwk::win {

template <class Lifetime>
ConnectionPoint<Lifetime>::ConnectionPoint(IConnectionPointContainer* owner, const IID& events,
                                           Binder binder)
    : owner_(owner), events_(events), binder_(std::move(binder)) {}

template <class Lifetime>
HRESULT ConnectionPoint<Lifetime>::Fire(DISPID member, std::vector<VARIANT> args) {
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

template <class Lifetime>
HRESULT ConnectionPoint<Lifetime>::GetConnectionInterface(IID* iid) {
    if (iid == nullptr) {
        return E_POINTER;
    }
    *iid = events_;
    return S_OK;
}

template <class Lifetime>
HRESULT ConnectionPoint<Lifetime>::GetConnectionPointContainer(IConnectionPointContainer** owner) {
    if (owner == nullptr) {
        return E_POINTER;
    }
    *owner = ComPtr<IConnectionPointContainer>(owner_).Detach();
    return S_OK;
}

template <class Lifetime>
HRESULT ConnectionPoint<Lifetime>::Advise(IUnknown* sink, DWORD* cookie) {
    if (sink == nullptr || cookie == nullptr) {
        return E_POINTER;
    }
    const ComPtr<IDispatch> events = ComPtr<IUnknown>(sink).AsDispInterface(events_);
    if (!events) {
        return CONNECT_E_CANNOTCONNECT;
    }
    return Guarded([&] {
        Connection link = binder_ ? binder_(events) : Connection();
        sinks_.emplace(nextCookie_, events);
        if (binder_) {
            links_.emplace(nextCookie_, std::move(link));
        }
        *cookie = nextCookie_++;
    });
}

template <class Lifetime>
HRESULT ConnectionPoint<Lifetime>::Unadvise(DWORD cookie) {
    return Guarded([&] {
        // The link goes first, so that no event reaches a sink being let go; it is taken out
        // of the table before it ends, since ending it may call back.
        if (const auto found = links_.find(cookie); found != links_.end()) {
            Connection ending = std::move(found->second);
            links_.erase(found);
            ending.Disconnect();
        }
        return sinks_.erase(cookie) == 1 ? S_OK : CONNECT_E_NOCONNECTION;
    });
}

template <class Lifetime>
HRESULT ConnectionPoint<Lifetime>::EnumConnections(IEnumConnections** connections) {
    if (connections != nullptr) {
        *connections = nullptr;
    }
    return E_NOTIMPL;
}

// The component's objects and a program's own (the test hosts, the bridge).
template class ConnectionPoint<ServerLifetime>;
template class ConnectionPoint<ProgramLifetime>;

}  // namespace pwk::win
