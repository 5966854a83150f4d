#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "src/util/Connection.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Variant.h"

namespace pwk::win {

// One event interface of a bridged object. A sink is asked (QueryInterface) for the event
// interface itself, as the host does, and is refused when it does not have it.
class ConnectionPoint final : public IConnectionPoint {
  public:
    // For a point that passes on the events of an object living elsewhere: connects the sink
    // there, or answers why it cannot. The connection ends when the sink is unadvised.
    using Binder =
        std::function<HRESULT(const win::ComPtr<IDispatch>& sink, Connection& connection)>;

    ConnectionPoint(IConnectionPointContainer* owner, const IID& events, Binder binder = {});

    // Calls every connected sink's `member` with `args` in declared order; the first failure a
    // sink returned, S_OK when none did.
    HRESULT Fire(DISPID member, std::vector<VARIANT> args);
    std::size_t Connected() const { return sinks_.size(); }
    // Lets go of every sink (the owner is going away).
    void Clear() {
        const auto ending = std::exchange(links_, {});
        sinks_.clear();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** owner) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  private:
    std::atomic<ULONG> references_{1};
    IConnectionPointContainer* owner_;  // not counted: the owner holds this point
    IID events_;
    std::map<DWORD, win::ComPtr<IDispatch>> sinks_;
    Binder binder_;
    std::map<DWORD, Connection> links_;  // what the binder connected, per sink
    DWORD nextCookie_ = 1;
};

}  // namespace pwk::win
