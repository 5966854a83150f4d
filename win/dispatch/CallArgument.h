#pragma once

#include <oaidl.h>

#include <string_view>
#include <type_traits>
#include <utility>

#include "win/combase/Variant.h"

namespace pwk::win {

// One argument of a late-bound call as the call passes it. A text, during a host event, is the
// BSTR the event holds for that text (EventHold), borrowed: a handler passes the same folder
// identifiers and search filters again and again, and each is converted and allocated once per
// event. Any other value, and a text outside an event, is a Variant of the argument's own.
class CallArgument {
  public:
    CallArgument(std::string_view text);  // NOLINT: arguments convert implicitly
    template <class T>
    requires(!std::is_convertible_v<const T&, std::string_view>) CallArgument(T&& value)  // NOLINT
        : own_(std::forward<T>(value)) {}
    CallArgument(const CallArgument&) = delete;
    CallArgument& operator=(const CallArgument&) = delete;

    const VARIANT& Value() const { return held_ != nullptr ? *held_ : *own_.Get(); }
    bool IsMissing() const { return held_ == nullptr && own_.IsMissing(); }

  private:
    Variant own_;
    const VARIANT* held_ = nullptr;
};

}  // namespace pwk::win
