#pragma once

#include <oaidl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "src/host/HostTypes.h"

namespace pwk::win {

// One VARIANT, owned: cleared when it goes. Builds the arguments of a late-bound call from the
// add-in's own types and reads a result back into them; a value that does not convert is a type
// mismatch (13), as it would be on assignment.
class Variant {
  public:
    // An argument left out: the member's default applies.
    struct Missing {};

    // What VariantInit does, without the call into the system: every call a late-bound client
    // makes builds and clears several.
    Variant() { value_.vt = VT_EMPTY; }
    Variant(Missing);                  // NOLINT: arguments convert implicitly
    Variant(const std::string& text);  // NOLINT
    Variant(std::string_view text);    // NOLINT
    Variant(const char* text);         // NOLINT
    Variant(std::int32_t number);      // NOLINT
    Variant(bool flag);                // NOLINT
    Variant(host::Date date);          // NOLINT
    Variant(IDispatch* object);        // NOLINT: takes its own reference
    template <class T>
    Variant(const std::optional<T>& value)  // NOLINT
        : Variant(value ? Variant(*value) : Variant(Missing{})) {}
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant other) noexcept;
    ~Variant() {
        if (HoldsResource()) {
            VariantClear(&value_);
        }
    }

    std::string ToString() const;
    std::int32_t ToInt32() const;
    bool ToBool() const;
    host::Date ToDate() const;
    // The object held, borrowed (no reference added); null for nothing, Empty or Null.
    IDispatch* ToDispatch() const;

    bool IsMissing() const;
    VARIANT* Get() { return &value_; }
    const VARIANT* Get() const { return &value_; }

  private:
    // False for the plain values (numbers, dates, flags, Empty, Null, errors), which clearing
    // would only mark Empty.
    bool HoldsResource() const;
    // The value itself, through a reference to a VARIANT.
    const VARIANT* Value() const;
    Variant Converted(VARTYPE type) const;

    VARIANT value_;
};

// The host's dates are day counts from 30 December 1899, the time of day as the fraction; the
// add-in keeps them as seconds on the same wall clock.
double ToOleDate(host::Date date);
host::Date FromOleDate(double date);

}  // namespace pwk::win
