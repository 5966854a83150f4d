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

Variant::Variant(const std::string& text) : Variant() {
    value_.vt = VT_BSTR;
    value_.bstrVal = Bstr(text).Detach();
}

Variant::Variant(const char* text) : Variant(std::string(text)) {}

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
    VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant other) noexcept {
    std::swap(value_, other.value_);
    return *this;
}

Variant Variant::Converted(VARTYPE type) const {
    Variant result;
    const VARIANT* source = &value_;
    if (V_VT(source) == (VT_BYREF | VT_VARIANT)) {
        source = V_VARIANTREF(source);
    }
    if (FAILED(VariantChangeType(&result.value_, const_cast<VARIANT*>(source),
                                 VARIANT_NOUSEROVERRIDE, type))) {
        Raise(FailureNumber::TypeMismatch);
    }
    return result;
}

std::string Variant::ToString() const {
    const Variant text = Converted(VT_BSTR);
    return Narrow(text.value_.bstrVal, SysStringLen(text.value_.bstrVal));
}

std::int32_t Variant::ToInt32() const {
    return Converted(VT_I4).value_.lVal;
}

bool Variant::ToBool() const {
    return Converted(VT_BOOL).value_.boolVal != VARIANT_FALSE;
}

host::Date Variant::ToDate() const {
    return FromOleDate(Converted(VT_DATE).value_.date);
}

IDispatch* Variant::ToDispatch() const {
    const VARIANT* source = &value_;
    if (V_VT(source) == (VT_BYREF | VT_VARIANT)) {
        source = V_VARIANTREF(source);
    }
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
