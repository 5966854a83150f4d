#pragma once

#include <oaidl.h>

#include "src/util/Ref.h"
#include "win/combase/Variant.h"

namespace pwk::host {
class CommandBarControl;
class HostObject;
class Item;
}  // namespace pwk::host

namespace pwk::win {

// The adapter of a host object as the add-in's interface T: the same adapter for the same
// object while one lives; nothing stays nothing (and raises 91 when used). Items are told apart
// by their Class, command-bar controls by their Type. Defined for every interface of the host
// in AdapterFactory.cpp, above the adapters that call it.
template <class T>
Ref<T> WrapObject(IDispatch* object);

template <>
Ref<host::Item> WrapObject<host::Item>(IDispatch* object);
template <>
Ref<host::CommandBarControl> WrapObject<host::CommandBarControl>(IDispatch* object);
template <>
Ref<host::HostObject> WrapObject<host::HostObject>(IDispatch* object);

template <class T>
Ref<T> WrapObject(const Variant& value) {
    return WrapObject<T>(value.ToDispatch());
}

}  // namespace pwk::win
