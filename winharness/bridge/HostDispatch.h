#pragma once

#include <ocidl.h>

#include <memory>
#include <vector>

#include "src/platform/AutomationObject.h"
#include "win/automation/ConnectionPoint.h"
#include "win/combase/ComPtr.h"
#include "win/combase/UntypedDispatch.h"
#include "winharness/bridge/HostBridge.h"

namespace pwk::bridge {

struct BridgeKind;

// One host object of the simulated host as a client sees it over IDispatch: the members of its
// kind by the names the host's object model gives them, and connection points that pass its
// C++ events on to the client's sinks.
//
// There is one bridge per host object while the bridge lives, so the same host object is the
// same COM object. The bridge holds its host object and lets go of it when the last COM
// reference goes; the table that finds the live bridge of an object holds neither. So the
// host's reference audit sees exactly what the client still holds.
class HostDispatch final : public win::UntypedDispatch<win::ProgramLifetime, IDispatch,
                                                       IConnectionPointContainer, IHostBridge> {
  public:
    // The bridge of `object`, made when it has none; null for nothing.
    static win::ComPtr<IDispatch> Of(const std::shared_ptr<AutomationObject>& object);
    // The host object behind `dispatch`; null when it is not a bridge.
    static std::shared_ptr<AutomationObject> ObjectOf(IDispatch* dispatch);
    // How many bridges are alive.
    static std::size_t Live();

    HostDispatch(std::shared_ptr<AutomationObject> object, const BridgeKind& kind);

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;
    std::shared_ptr<AutomationObject> STDMETHODCALLTYPE HostObject() override { return object_; }

  private:
    using Point = win::ConnectionPoint<win::ProgramLifetime>;

    ~HostDispatch() override;
    // An object of a kind without events is no connection point container.
    void* InterfaceOf(REFIID iid) override;

    std::shared_ptr<AutomationObject> object_;
    const BridgeKind& kind_;
    std::vector<win::ComPtr<Point>> points_;
};

}  // namespace pwk::bridge
