#pragma once

#include <concepts>
#include <cstddef>
#include <memory>
#include <utility>

#include "src/util/Failure.h"

namespace pwk {

// Dereferences an object reference, raising "object not set" (91) when it is empty.
template <class T>
T& Deref(const std::shared_ptr<T>& ref) {
    if (!ref) {
        Raise(FailureNumber::ObjectNotSet);
    }
    return *ref;
}

// A checked object reference: what every host getter returns and what the core holds. It may
// be empty (a host hands back nothing where an object was asked for); using an empty one
// raises "object not set" (91) at the call site instead of crashing.
template <class T>
class Ref {
  public:
    Ref() = default;
    Ref(std::nullptr_t) {}  // NOLINT: nothing converts implicitly, as in the platform
    template <class U>
    requires std::convertible_to<U*, T*> Ref(std::shared_ptr<U> object)
        : object_(std::move(object)) {}  // NOLINT
    template <class U>
    requires std::convertible_to<U*, T*> Ref(const Ref<U>& other)
        : object_(other.Shared()) {}  // NOLINT

    T* operator->() const { return &Deref(object_); }
    T& operator*() const { return Deref(object_); }
    explicit operator bool() const { return static_cast<bool>(object_); }

    // The plain shared reference, for holders outside the core (tests, the simulated host).
    const std::shared_ptr<T>& Shared() const { return object_; }
    template <class U>
    requires std::convertible_to<T*, U*>
    operator std::shared_ptr<U>() const {  // NOLINT
        return object_;
    }
    // The raw address, for identity only.
    T* get() const { return object_.get(); }
    void reset() { object_.reset(); }

    friend bool operator==(const Ref& ref, std::nullptr_t) { return !ref.object_; }
    template <class U>
    friend bool operator==(const Ref& a, const Ref<U>& b) {
        return a.get() == b.get();
    }

  private:
    std::shared_ptr<T> object_;
};

template <class T>
T& Deref(const Ref<T>& ref) {
    return *ref;
}

// Casts an object reference to another interface: empty when the object is not of that type.
template <class To, class From>
std::shared_ptr<To> As(const std::shared_ptr<From>& ref) {
    return std::dynamic_pointer_cast<To>(ref);
}
template <class To, class From>
Ref<To> As(const Ref<From>& ref) {
    return std::dynamic_pointer_cast<To>(ref.Shared());
}

// True when the object is of the given type (the platform's TypeOf ... Is ...).
template <class To, class From>
bool IsA(const std::shared_ptr<From>& ref) {
    return ref && dynamic_cast<To*>(ref.get()) != nullptr;
}
template <class To, class From>
bool IsA(const Ref<From>& ref) {
    return IsA<To>(ref.Shared());
}

}  // namespace pwk
