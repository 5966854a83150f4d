#include "win/testhost/BridgeObject.h"

#include <cctype>

#include "win/dispatch/WideText.h"

namespace pwk::testhost {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

BSTR Bstr(const std::string& text) {
    const std::wstring wide = win::Widen(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace

win::ComPtr<BridgeObject> BridgeObject::Make() {
    return win::ComPtr<BridgeObject>::Attach(new BridgeObject());
}

BridgeObject::~BridgeObject() {
    for (ConnectionPoint* point : points_) {
        point->Release();
    }
}

BridgeObject& BridgeObject::Member(const std::string& name, Handler handler) {
    members_.push_back(Entry{Lower(name), std::move(handler)});
    return *this;
}

BridgeObject& BridgeObject::Value(const std::string& name, const win::Variant& value) {
    const std::string key = Lower(name);
    values_[key] = value;
    return Member(name, [this, key](BridgeCall& call) {
        if (call.IsPut()) {
            values_[key] = call.Arg(0);
        } else {
            call.Return(values_[key]);
        }
    });
}

BridgeObject& BridgeObject::Object(const std::string& name,
                                   const win::ComPtr<BridgeObject>& object) {
    return Value(name, win::Variant(static_cast<IDispatch*>(object.Get())));
}

BridgeObject& BridgeObject::Events(const IID& events) {
    points_.push_back(new ConnectionPoint(this, events));
    return *this;
}

void BridgeObject::Assign(const std::string& name, const win::Variant& value) {
    values_[Lower(name)] = value;
}

HRESULT BridgeObject::Fire(const IID& events, DISPID member, std::vector<VARIANT> args) {
    ConnectionPoint* point = PointOf(events);
    return point == nullptr ? S_OK : point->Fire(member, std::move(args));
}

void BridgeObject::Clear() {
    for (ConnectionPoint* point : points_) {
        point->Clear();
    }
    members_.clear();
    values_.clear();
}

const win::Variant& BridgeObject::ValueOf(const std::string& name) const {
    static const win::Variant nothing;
    const auto found = values_.find(Lower(name));
    return found == values_.end() ? nothing : found->second;
}

std::size_t BridgeObject::Connected(const IID& events) const {
    const ConnectionPoint* point = PointOf(events);
    return point == nullptr ? 0 : point->Connected();
}

int BridgeObject::Lookups(const std::string& name) const {
    for (const Entry& entry : members_) {
        if (entry.Name == Lower(name)) {
            return entry.Lookups;
        }
    }
    return 0;
}

ConnectionPoint* BridgeObject::PointOf(const IID& events) const {
    for (ConnectionPoint* point : points_) {
        IID iid;
        point->GetConnectionInterface(&iid);
        if (IsEqualIID(iid, events)) {
            return point;
        }
    }
    return nullptr;
}

HRESULT BridgeObject::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer) && !points_.empty()) {
        *object = static_cast<IConnectionPointContainer*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG BridgeObject::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT BridgeObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT BridgeObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT BridgeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        const std::string name = Lower(win::Narrow(names[i], wcslen(names[i])));
        for (std::size_t m = 0; m < members_.size(); ++m) {
            if (members_[m].Name == name) {
                ++members_[m].Lookups;
                ids[i] = static_cast<DISPID>(m + 1);
            }
        }
        if (ids[i] == DISPID_UNKNOWN) {
            result = DISP_E_UNKNOWNNAME;
        }
    }
    return result;
}

HRESULT BridgeObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* exception, UINT*) {
    if (member < 1 || static_cast<std::size_t>(member) > members_.size()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (result != nullptr) {
        VariantInit(result);
    }
    // The handler may replace the table (Clear): keep it alive through the call.
    const Handler handler = members_[static_cast<std::size_t>(member) - 1].Handle;
    try {
        BridgeCall call(flags, *params, result);
        handler(call);
        return S_OK;
    } catch (const BridgeFailure& failure) {
        if (exception != nullptr) {
            *exception = EXCEPINFO{};
            exception->scode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, failure.Number);
            exception->bstrSource = Bstr("Test host");
            exception->bstrDescription = Bstr(failure.Text);
        }
        return DISP_E_EXCEPTION;
    }
}

HRESULT BridgeObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    *points = nullptr;
    return E_NOTIMPL;
}

HRESULT BridgeObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    ConnectionPoint* found = PointOf(iid);
    *point = found;
    if (found == nullptr) {
        return CONNECT_E_NOCONNECTION;
    }
    found->AddRef();
    return S_OK;
}

}  // namespace pwk::testhost
