#include "win/automation/DispatchObject.h"

#include <cctype>

#include "src/util/Failure.h"
#include "win/combase/ComBoundary.h"
#include "win/combase/WideText.h"

namespace pwk::win {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

template <class Lifetime>
BasicDispatchObject<Lifetime>::~BasicDispatchObject() {
    for (const auto& point : points_) {
        point->Clear();
    }
    points_.clear();
    members_.clear();
    values_.clear();
    if (gone_) {
        gone_();
    }
}

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::Member(const std::string& name, Handler handler)
    -> BasicDispatchObject& {
    members_.push_back(Entry{Lower(name), std::move(handler)});
    return *this;
}

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::Default(const std::string& name) -> BasicDispatchObject& {
    const std::string key = Lower(name);
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (members_[i].Name == key) {
            default_ = static_cast<DISPID>(i + 1);
        }
    }
    return *this;
}

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::Value(const std::string& name, const Variant& value)
    -> BasicDispatchObject& {
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

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::Object(const std::string& name,
                                           const ComPtr<BasicDispatchObject>& object)
    -> BasicDispatchObject& {
    return Value(name, Variant(static_cast<IDispatch*>(object.Get())));
}

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::Events(const IID& events) -> BasicDispatchObject& {
    points_.push_back(MakeCom<ConnectionPoint<Lifetime>>(this, events));
    return *this;
}

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::Source(std::string source) -> BasicDispatchObject& {
    source_ = std::move(source);
    return *this;
}

template <class Lifetime>
auto BasicDispatchObject<Lifetime>::WhenGone(std::function<void()> gone) -> BasicDispatchObject& {
    gone_ = std::move(gone);
    return *this;
}

template <class Lifetime>
void BasicDispatchObject<Lifetime>::Assign(const std::string& name, const Variant& value) {
    values_[Lower(name)] = value;
}

template <class Lifetime>
HRESULT BasicDispatchObject<Lifetime>::Fire(const IID& events, DISPID member,
                                            std::vector<VARIANT> args) {
    ConnectionPoint<Lifetime>* point = PointOf(points_, events);
    return point == nullptr ? S_OK : point->Fire(member, std::move(args));
}

template <class Lifetime>
void BasicDispatchObject<Lifetime>::Clear() {
    for (const auto& point : points_) {
        point->Clear();
    }
    members_.clear();
    values_.clear();
}

template <class Lifetime>
const Variant& BasicDispatchObject<Lifetime>::ValueOf(const std::string& name) const {
    static const Variant nothing;
    const auto found = values_.find(Lower(name));
    return found == values_.end() ? nothing : found->second;
}

template <class Lifetime>
std::size_t BasicDispatchObject<Lifetime>::Connected(const IID& events) const {
    const ConnectionPoint<Lifetime>* point = PointOf(points_, events);
    return point == nullptr ? 0 : point->Connected();
}

template <class Lifetime>
int BasicDispatchObject<Lifetime>::Lookups(const std::string& name) const {
    for (const Entry& entry : members_) {
        if (entry.Name == Lower(name)) {
            return entry.Lookups;
        }
    }
    return 0;
}

template <class Lifetime>
void* BasicDispatchObject<Lifetime>::InterfaceOf(REFIID iid) {
    if (IsEqualIID(iid, __uuidof(IConnectionPointContainer)) && points_.empty()) {
        return nullptr;
    }
    return this->Listed(iid);
}

template <class Lifetime>
HRESULT BasicDispatchObject<Lifetime>::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                     DISPID* ids) {
    if (names == nullptr || ids == nullptr) {
        return E_POINTER;
    }
    return Guarded([&] {
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
            const std::string name = Lower(Narrow(names[i], wcslen(names[i])));
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
    });
}

template <class Lifetime>
HRESULT BasicDispatchObject<Lifetime>::Invoke(DISPID member, REFIID, LCID, WORD flags,
                                              DISPPARAMS* params, VARIANT* result,
                                              EXCEPINFO* exception, UINT*) {
    if (member == DISPID_VALUE && (flags & DISPATCH_PROPERTYGET) != 0) {
        member = default_;
    }
    if (member < 1 || static_cast<std::size_t>(member) > members_.size()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params == nullptr) {
        return E_POINTER;
    }
    if (result != nullptr) {
        VariantInit(result);
    }
    return GuardedInvoke(source_, exception, [&] {
        // The handler may replace the table (Clear): keep it alive through the call.
        const Handler handler = members_[static_cast<std::size_t>(member) - 1].Handle;
        DispatchCall call(flags, *params, result);
        handler(call);
    });
}

template <class Lifetime>
HRESULT BasicDispatchObject<Lifetime>::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points != nullptr) {
        *points = nullptr;
    }
    return E_NOTIMPL;
}

template <class Lifetime>
HRESULT BasicDispatchObject<Lifetime>::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    return FindPoint(points_, iid, point);
}

template class BasicDispatchObject<ServerLifetime>;
template class BasicDispatchObject<ProgramLifetime>;

}  // namespace pwk::win
