#include "win/automation/DispatchObject.h"

#include <cctype>
#include <new>

#include "src/util/Failure.h"
#include "win/combase/WideText.h"

namespace pwk::win {
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

HRESULT Raised(EXCEPINFO* exception, std::int32_t number, const std::string& text,
               const std::string& source) {
    if (exception != nullptr) {
        *exception = EXCEPINFO{};
        exception->scode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
        exception->bstrSource = Bstr(source);
        exception->bstrDescription = Bstr(text);
    }
    return DISP_E_EXCEPTION;
}

}  // namespace

win::ComPtr<DispatchObject> DispatchObject::Make() {
    return win::ComPtr<DispatchObject>::Attach(new DispatchObject());
}

DispatchObject::~DispatchObject() {
    for (ConnectionPoint* point : points_) {
        point->Clear();
        point->Release();
    }
    members_.clear();
    values_.clear();
    if (gone_) {
        gone_();
    }
}

DispatchObject& DispatchObject::Member(const std::string& name, Handler handler) {
    members_.push_back(Entry{Lower(name), std::move(handler)});
    return *this;
}

DispatchObject& DispatchObject::Value(const std::string& name, const win::Variant& value) {
    const std::string key = Lower(name);
    values_[key] = value;
    return Member(name, [this, key](DispatchCall& call) {
        if (call.IsPut()) {
            values_[key] = call.Arg(0);
        } else {
            call.Return(values_[key]);
        }
    });
}

DispatchObject& DispatchObject::Object(const std::string& name,
                                       const win::ComPtr<DispatchObject>& object) {
    return Value(name, win::Variant(static_cast<IDispatch*>(object.Get())));
}

DispatchObject& DispatchObject::Events(const IID& events) {
    points_.push_back(new ConnectionPoint(this, events));
    return *this;
}

DispatchObject& DispatchObject::Source(std::string source) {
    source_ = std::move(source);
    return *this;
}

DispatchObject& DispatchObject::WhenGone(std::function<void()> gone) {
    gone_ = std::move(gone);
    return *this;
}

void DispatchObject::Assign(const std::string& name, const win::Variant& value) {
    values_[Lower(name)] = value;
}

HRESULT DispatchObject::Fire(const IID& events, DISPID member, std::vector<VARIANT> args) {
    ConnectionPoint* point = PointOf(events);
    return point == nullptr ? S_OK : point->Fire(member, std::move(args));
}

void DispatchObject::Clear() {
    for (ConnectionPoint* point : points_) {
        point->Clear();
    }
    members_.clear();
    values_.clear();
}

const win::Variant& DispatchObject::ValueOf(const std::string& name) const {
    static const win::Variant nothing;
    const auto found = values_.find(Lower(name));
    return found == values_.end() ? nothing : found->second;
}

std::size_t DispatchObject::Connected(const IID& events) const {
    const ConnectionPoint* point = PointOf(events);
    return point == nullptr ? 0 : point->Connected();
}

int DispatchObject::Lookups(const std::string& name) const {
    for (const Entry& entry : members_) {
        if (entry.Name == Lower(name)) {
            return entry.Lookups;
        }
    }
    return 0;
}

ConnectionPoint* DispatchObject::PointOf(const IID& events) const {
    for (ConnectionPoint* point : points_) {
        IID iid;
        point->GetConnectionInterface(&iid);
        if (IsEqualIID(iid, events)) {
            return point;
        }
    }
    return nullptr;
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object) {
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

ULONG DispatchObject::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
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

HRESULT DispatchObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
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
        DispatchCall call(flags, *params, result);
        handler(call);
        return S_OK;
    } catch (const DispatchFailure& failure) {
        return Raised(exception, failure.Number, failure.Text, source_);
    } catch (const Failure& failure) {
        return Raised(exception, failure.Number, failure.Description,
                      failure.Source.empty() ? source_ : failure.Source);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT DispatchObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    *points = nullptr;
    return E_NOTIMPL;
}

HRESULT DispatchObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    ConnectionPoint* found = PointOf(iid);
    *point = found;
    if (found == nullptr) {
        return CONNECT_E_NOCONNECTION;
    }
    found->AddRef();
    return S_OK;
}

}  // namespace pwk::win
