#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "src/util/Connection.h"
#include "win/combase/ComObject.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"

namespace pwk::win {

// One event interface of an object offered over IDispatch. A sink is asked (QueryInterface)
// for the event interface itself, as the host does, and is refused when it does not have it.
// `Lifetime` is the one of the object the point belongs to (Lifetime.h).
template <class Lifetime>
class ConnectionPoint final : public ComObject<Lifetime, IConnectionPoint> {
  public:
    // For a point that passes on the events of an object living elsewhere: connects the sink
    // there, or raises why it cannot (Advise answers the failure's HRESULT). The connection
    // ends when the sink is unadvised.
    using Binder = std::function<Connection(const ComPtr<IDispatch>& sink)>;

    ConnectionPoint(IConnectionPointContainer* owner, const IID& events, Binder binder = {});

    const IID& Events() const { return events_; }
    // Calls every connected sink's `member` with `args` in declared order; the first failure a
    // sink returned, S_OK when none did.
    HRESULT Fire(DISPID member, std::vector<VARIANT> args);
    std::size_t Connected() const { return sinks_.size(); }
    // Lets go of every sink (the owner is going away).
    void Clear() {
        const auto ending = std::exchange(links_, {});
        sinks_.clear();
    }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** owner) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  private:
    ~ConnectionPoint() override = default;

    IConnectionPointContainer* owner_;  // not counted: the owner holds this point
    IID events_;
    std::map<DWORD, ComPtr<IDispatch>> sinks_;
    Binder binder_;
    std::map<DWORD, Connection> links_;  // what the binder connected, per sink
    DWORD nextCookie_ = 1;
};

// The point of `events` among `points`; null when there is none.
template <class Lifetime>
ConnectionPoint<Lifetime>* PointOf(const std::vector<ComPtr<ConnectionPoint<Lifetime>>>& points,
                                   const IID& events) {
    for (const auto& point : points) {
        if (IsEqualIID(point->Events(), events)) {
            return point.Get();
        }
    }
    return nullptr;
}

// IConnectionPointContainer::FindConnectionPoint over `points`.
template <class Lifetime>
HRESULT FindPoint(const std::vector<ComPtr<ConnectionPoint<Lifetime>>>& points, REFIID iid,
                  IConnectionPoint** point) {
    if (point == nullptr) {
        return E_POINTER;
    }
    *point = ComPtr<IConnectionPoint>(PointOf(points, iid)).Detach();
    return *point != nullptr ? S_OK : CONNECT_E_NOCONNECTION;
}

}  // namespace pwk::win
