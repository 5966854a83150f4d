#include "winharness/bridge/HostDispatch.h"

#include <olectl.h>

#include "src/util/Failure.h"
#include "win/automation/ConnectionPoint.h"
#include "win/automation/DispatchCall.h"
#include "win/combase/WideText.h"
#include "winharness/bridge/BridgeCache.h"
#include "winharness/bridge/BridgeKind.h"
#include "winharness/bridge/EventLinks.h"
#include "winharness/bridge/HostFailure.h"

namespace pwk::bridge {
namespace {

// Answered by bridges only, to find the host object behind an argument.
// {3CF64B6A-C9EC-47EE-A68C-E5854E3D8833}
constexpr IID IID_HostDispatch = {
    0x3CF64B6A, 0xC9EC, 0x47EE, {0xA6, 0x8C, 0xE5, 0x85, 0x4E, 0x3D, 0x88, 0x33}};

// Connects a client's sink to the host object's events of one interface, for as long as the
// object lives; the host's failure becomes the Advise's answer. EventLinks knows of the link
// while it lasts.
win::ConnectionPoint::Binder Binder(std::weak_ptr<AutomationObject> object,
                                    const BridgeKind::Events& events) {
    return [object = std::move(object), bind = events.Connect, iid = events.Interface](
               const win::ComPtr<IDispatch>& sink, Connection& connection) -> HRESULT {
        const auto live = object.lock();
        if (!live) {
            return CONNECT_E_CANNOTCONNECT;
        }
        try {
            auto link = std::make_shared<Connection>(bind(*live, sink));
            const void* key = BridgeCache::KeyOf(*live);
            EventLinks::Instance().Linked(key, iid);
            connection = Connection([link, key, iid] {
                link->Disconnect();
                EventLinks::Instance().Unlinked(key, iid);
            });
            return S_OK;
        } catch (const Failure& failure) {
            return HResultOf(failure);
        } catch (...) {
            return E_UNEXPECTED;
        }
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
    return win::ComPtr<IDispatch>::Attach(new HostDispatch(object, BridgeKind::Of(*object)));
}

std::shared_ptr<AutomationObject> HostDispatch::ObjectOf(IDispatch* dispatch) {
    HostDispatch* bridge = nullptr;
    if (dispatch == nullptr ||
        FAILED(dispatch->QueryInterface(IID_HostDispatch, reinterpret_cast<void**>(&bridge)))) {
        return nullptr;
    }
    auto object = bridge->object_;
    bridge->Release();
    return object;
}

std::size_t HostDispatch::Live() {
    return BridgeCache::Instance().Size();
}

HostDispatch::HostDispatch(std::shared_ptr<AutomationObject> object, const BridgeKind& kind)
    : object_(std::move(object)), kind_(kind) {
    BridgeCache::Instance().Remember(BridgeCache::KeyOf(*object_), this);
    for (const BridgeKind::Events& events : kind_.EventInterfaces) {
        points_.push_back(
            new win::ConnectionPoint(this, events.Interface, Binder(object_, events)));
    }
}

HostDispatch::~HostDispatch() {
    BridgeCache::Instance().Forget(BridgeCache::KeyOf(*object_), this);
    for (win::ConnectionPoint* point : points_) {
        point->Release();
    }
}

HRESULT HostDispatch::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer) && !points_.empty()) {
        *object = static_cast<IConnectionPointContainer*>(this);
    } else if (IsEqualIID(iid, IID_HostDispatch)) {
        *object = this;
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG HostDispatch::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT HostDispatch::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT HostDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT HostDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (names == nullptr || ids == nullptr) {
        return E_POINTER;
    }
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        const auto id = kind_.Members.IdOf(win::Narrow(names[i], wcslen(names[i])));
        ids[i] = id.value_or(DISPID_UNKNOWN);
        if (!id) {
            result = DISP_E_UNKNOWNNAME;
        }
    }
    return result;
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
    win::DispatchCall call(flags, *params, result);
    if (call.IsPut() && !found->Write) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (call.IsPut() && call.Count() == 0) {
        return DISP_E_PARAMNOTFOUND;
    }
    // The client holds this bridge through the call; the host object is held by it.
    try {
        if (call.IsPut()) {
            found->Write(*object_, call.Arg(call.Count() - 1));
        } else {
            call.Return(found->Read(*object_, call));
        }
        return S_OK;
    } catch (const Failure& failure) {
        return ReportFailure(failure, exception);
    } catch (const std::exception& error) {
        return ReportFailure(Failure(static_cast<std::int32_t>(E_UNEXPECTED), error.what()),
                             exception);
    }
}

HRESULT HostDispatch::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points != nullptr) {
        *points = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT HostDispatch::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (point == nullptr) {
        return E_POINTER;
    }
    *point = nullptr;
    for (win::ConnectionPoint* candidate : points_) {
        IID events;
        candidate->GetConnectionInterface(&events);
        if (IsEqualIID(events, iid)) {
            candidate->AddRef();
            *point = candidate;
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

}  // namespace pwk::bridge
