#include "win/combase/Variant.h"

#include <cmath>
#include <utility>

#include "src/util/Failure.h"
#include "win/combase/Bstr.h"
#include "win/combase/ComPtr.h"
#include "win/combase/WideText.h"

namespace pwk::win {
namespace {
constexpr double kSecondsPerDay = 86400.0;
// 30 December 1899 as days before the Unix epoch.
constexpr double kOleEpochDays = 25569.0;
}  // namespace

double ToOleDate(host::Date date) {
    return static_cast<double>(date.time_since_epoch().count()) / kSecondsPerDay + kOleEpochDays;
}

host::Date FromOleDate(double date) {
    const auto seconds =
        static_cast<std::int64_t>(std::llround((date - kOleEpochDays) * kSecondsPerDay));
    return host::Date(std::chrono::seconds(seconds));
}

Variant::Variant(Missing) : Variant() {
    value_.vt = VT_ERROR;
    value_.scode = DISP_E_PARAMNOTFOUND;
}

Variant::Variant(const std::string& text) : Variant(std::string_view(text)) {}

Variant::Variant(std::string_view text) : Variant() {
    value_.vt = VT_BSTR;
    value_.bstrVal = Bstr(text).Detach();
}

Variant::Variant(const char* text) : Variant(std::string_view(text)) {}

Variant::Variant(std::int32_t number) : Variant() {
    value_.vt = VT_I4;
    value_.lVal = number;
}

Variant::Variant(bool flag) : Variant() {
    value_.vt = VT_BOOL;
    value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(host::Date date) : Variant() {
    value_.vt = VT_DATE;
    value_.date = ToOleDate(date);
}

Variant::Variant(IDispatch* object) : Variant() {
    value_.vt = VT_DISPATCH;
    value_.pdispVal = ComPtr<IDispatch>(object).Detach();
}

Variant::Variant(const Variant& other) : Variant() {
    VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) {
    other.value_.vt = VT_EMPTY;
}

Variant& Variant::operator=(Variant other) noexcept {
    std::swap(value_, other.value_);
    return *this;
}

bool Variant::HoldsResource() const {
    switch (value_.vt) {
        case VT_EMPTY:
        case VT_NULL:
        case VT_I1:
        case VT_I2:
        case VT_I4:
        case VT_I8:
        case VT_UI1:
        case VT_UI2:
        case VT_UI4:
        case VT_UI8:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
        case VT_BOOL:
        case VT_ERROR:
            return false;
        default:
            return true;
    }
}

const VARIANT* Variant::Value() const {
    if (V_VT(&value_) == (VT_BYREF | VT_VARIANT)) {
        return V_VARIANTREF(&value_);
    }
    return &value_;
}

Variant Variant::Converted(VARTYPE type) const {
    Variant result;
    if (FAILED(VariantChangeType(&result.value_, const_cast<VARIANT*>(Value()),
                                 VARIANT_NOUSEROVERRIDE, type))) {
        Raise(FailureNumber::TypeMismatch);
    }
    return result;
}

// A value already of the type asked for is read as it is, without the copy a conversion makes.
std::string Variant::ToString() const {
    if (const VARIANT* value = Value(); V_VT(value) == VT_BSTR) {
        return Narrow(V_BSTR(value), SysStringLen(V_BSTR(value)));
    }
    const Variant text = Converted(VT_BSTR);
    return Narrow(text.value_.bstrVal, SysStringLen(text.value_.bstrVal));
}

std::int32_t Variant::ToInt32() const {
    if (const VARIANT* value = Value(); V_VT(value) == VT_I4) {
        return V_I4(value);
    }
    return Converted(VT_I4).value_.lVal;
}

bool Variant::ToBool() const {
    if (const VARIANT* value = Value(); V_VT(value) == VT_BOOL) {
        return V_BOOL(value) != VARIANT_FALSE;
    }
    return Converted(VT_BOOL).value_.boolVal != VARIANT_FALSE;
}

host::Date Variant::ToDate() const {
    return FromOleDate(Converted(VT_DATE).value_.date);
}

IDispatch* Variant::ToDispatch() const {
    const VARIANT* source = Value();
    switch (V_VT(source)) {
        case VT_EMPTY:
        case VT_NULL:
            return nullptr;
        case VT_DISPATCH:
            return V_DISPATCH(source);
        case VT_DISPATCH | VT_BYREF:
            return *V_DISPATCHREF(source);
        default:
            Raise(FailureNumber::TypeMismatch);
    }
}

bool Variant::IsMissing() const {
    return value_.vt == VT_ERROR && value_.scode == DISP_E_PARAMNOTFOUND;
}

}  // namespace pwk::win
