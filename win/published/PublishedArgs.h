#pragma once

#include <cstdint>
#include <memory>

#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/util/Ref.h"
#include "win/automation/CallArgs.h"
#include "win/dispatch/WrapObject.h"
#include "win/published/OwnObjects.h"

namespace pwk::win {

// Arguments of the component's own objects' members. Host objects arrive as IDispatch and are
// wrapped in the host adapters; the component's own objects are taken back to the core objects
// they stand for, and any other object is a type mismatch (13).
inline Ref<host::Application> ApplicationArg(const DispatchCall& call, std::size_t index) {
    return WrapObject<host::Application>(DispatchArg(call, index).Get());
}

inline Ref<host::NameSpace> NameSpaceArg(const DispatchCall& call, std::size_t index) {
    return WrapObject<host::NameSpace>(DispatchArg(call, index).Get());
}

template <class T>
std::shared_ptr<T> OwnArg(const DispatchCall& call, std::size_t index) {
    return OwnObjects::Instance().CoreOf<T>(DispatchArg(call, index).Get());
}

// For a read-only property: an assignment fails with 383 ("Property is read-only").
void RefusePut(const DispatchCall& call);

// A 16-bit number; beyond its range an overflow (6).
std::int16_t ShortArg(const DispatchCall& call, std::size_t index);

}  // namespace pwk::win
