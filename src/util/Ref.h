#pragma once

#include <memory>

#include "src/errors/Failure.h"

namespace pwk {

// Dereferences an object reference, raising "object not set" (91) when it is empty.
template <class T>
T& Deref(const std::shared_ptr<T>& ref) {
    if (!ref) {
        Raise(FailureNumber::ObjectNotSet);
    }
    return *ref;
}

// Casts an object reference to another interface: empty when the object is not of that type.
template <class To, class From>
std::shared_ptr<To> As(const std::shared_ptr<From>& ref) {
    return std::dynamic_pointer_cast<To>(ref);
}

// True when the object is of the given type (the platform's TypeOf ... Is ...).
template <class To, class From>
bool IsA(const std::shared_ptr<From>& ref) {
    return ref && dynamic_cast<To*>(ref.get()) != nullptr;
}

}  // namespace pwk
