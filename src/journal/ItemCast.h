#pragma once

#include "src/util/Failure.h"
#include "src/util/Ref.h"

namespace pwk {

// Takes an item the host handed back as the interface the caller declared for it: nothing
// stays nothing, an object of another kind is a type mismatch (13), as assigning it to a typed
// variable would be.
template <class To, class From>
Ref<To> ItemAs(const Ref<From>& item) {
    if (!item) {
        return nullptr;
    }
    Ref<To> typed = As<To>(item);
    if (!typed) {
        Raise(FailureNumber::TypeMismatch);
    }
    return typed;
}

}  // namespace pwk
