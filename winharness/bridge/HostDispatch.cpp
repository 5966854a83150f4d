#include "winharness/bridge/HostDispatch.h"

#include <olectl.h>

#include "src/util/Failure.h"
#include "win/automation/DispatchCall.h"
#include "win/combase/ComBoundary.h"
#include "win/combase/WideText.h"
#include "winharness/bridge/BridgeCache.h"
#include "winharness/bridge/BridgeCalls.h"
#include "winharness/bridge/BridgeKind.h"
#include "winharness/bridge/EventLinks.h"

namespace pwk::bridge {
namespace {

// Connects a client's sink to the host object's events of one interface, for as long as the
// object lives; the host's failure becomes the Advise's answer. EventLinks knows of the link
// while it lasts.
win::ConnectionPoint<win::ProgramLifetime>::Binder Binder(std::weak_ptr<AutomationObject> object,
                                                          const BridgeKind::Events& events) {
    return [object = std::move(object), bind = events.Connect,
            iid = events.Interface](const win::ComPtr<IDispatch>& sink) {
        const auto live = object.lock();
        if (!live) {
            throw Failure(static_cast<std::int32_t>(CONNECT_E_CANNOTCONNECT),
                          "The host object is gone");
        }
        auto link = std::make_shared<Connection>(bind(*live, sink));
        const void* key = BridgeCache::KeyOf(*live);
        EventLinks::Instance().Linked(live, key, iid);
        return Connection([link, key, iid] {
            link->Disconnect();
            EventLinks::Instance().Unlinked(key, iid);
        });
    };
}

}  // namespace

win::ComPtr<IDispatch> HostDispatch::Of(const std::shared_ptr<AutomationObject>& object) {
    if (!object) {
        return {};
    }
    if (HostDispatch* known = BridgeCache::Instance().Find(BridgeCache::KeyOf(*object))) {
        return win::ComPtr<IDispatch>(known);
    }
    return win::MakeCom<HostDispatch>(object, BridgeKind::Of(*object));
}

std::shared_ptr<AutomationObject> HostDispatch::ObjectOf(IDispatch* dispatch) {
    const auto bridge = win::ComPtr<IDispatch>(dispatch).As<IHostBridge>();
    return bridge ? bridge->HostObject() : nullptr;
}

std::size_t HostDispatch::Live() {
    return BridgeCache::Instance().Size();
}

HostDispatch::HostDispatch(std::shared_ptr<AutomationObject> object, const BridgeKind& kind)
    : object_(std::move(object)), kind_(kind) {
    BridgeCache::Instance().Remember(BridgeCache::KeyOf(*object_), this);
    for (const BridgeKind::Events& events : kind_.EventInterfaces) {
        points_.push_back(win::MakeCom<Point>(this, events.Interface, Binder(object_, events)));
    }
}

HostDispatch::~HostDispatch() {
    BridgeCache::Instance().Forget(BridgeCache::KeyOf(*object_), this);
    BridgeCalls::Instance().Gone(Identity());
}

void* HostDispatch::InterfaceOf(REFIID iid) {
    if (IsEqualIID(iid, __uuidof(IConnectionPointContainer)) && points_.empty()) {
        return nullptr;
    }
    return Listed(iid);
}

HRESULT HostDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (names == nullptr || ids == nullptr) {
        return E_POINTER;
    }
    return win::Guarded([&] {
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            const std::string name = win::Narrow(names[i], wcslen(names[i]));
            BridgeCalls::Instance().Named(this, name);
            const auto id = kind_.Members.IdOf(name);
            ids[i] = id.value_or(DISPID_UNKNOWN);
            if (!id) {
                result = DISP_E_UNKNOWNNAME;
            }
        }
        return result;
    });
}

HRESULT HostDispatch::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* exception, UINT*) {
    const MemberTable::Member* found = kind_.Members.Find(member);
    if (found == nullptr) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params == nullptr) {
        return E_POINTER;
    }
    if (result != nullptr) {
        VariantInit(result);
    }
    // The client holds this bridge through the call; the host object is held by it. A host
    // failure names its own source, if any.
    const HRESULT answer = win::GuardedInvoke("", exception, [&] {
        win::DispatchCall call(flags, *params, result);
        if (call.IsPut() && !found->Write) {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (call.IsPut() && call.Count() == 0) {
            return DISP_E_PARAMNOTFOUND;
        }
        if (call.IsPut()) {
            found->Write(*object_, call.Arg(call.Count() - 1));
        } else {
            call.Return(found->Read(*object_, call));
        }
        return S_OK;
    });
    BridgeCalls::Instance().Invoked(this, member, flags, *params, result, answer);
    return answer;
}

HRESULT HostDispatch::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points != nullptr) {
        *points = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT HostDispatch::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    BridgeCalls::Instance().PointFound(this, iid);
    return win::FindPoint(points_, iid, point);
}

}  // namespace pwk::bridge
