#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "src/host/HostTypes.h"
#include "src/platform/AutomationObject.h"
#include "src/util/Failure.h"
#include "src/util/Ref.h"
#include "win/automation/CallArgs.h"
#include "win/automation/DispatchCall.h"
#include "win/combase/Variant.h"

namespace pwk::bridge {

// The arguments of a bridged call in the host's own types (win/automation/CallArgs).
using win::DispatchCall;
using win::FlagArg;
using win::IsObjectArg;
using win::NumberArg;
using win::OptionalFlag;
using win::OptionalNumber;
using win::OptionalText;
using win::TextArg;

// The host object behind a bridged argument; null when it was left out or is nothing, a type
// mismatch when it is an object the bridge did not hand out.
std::shared_ptr<AutomationObject> ObjectArg(const win::DispatchCall& call, std::size_t index);

// The same, but an object the bridge did not hand out is taken as the caller's own
// (ForeignObject.h): what the host keeps of a component's object it is given.
std::shared_ptr<AutomationObject> AnyObjectArg(const win::DispatchCall& call, std::size_t index);

// The same as ObjectArg, as the host interface T; a type mismatch when the object is no T.
template <class T>
Ref<T> ObjectArgAs(const win::DispatchCall& call, std::size_t index) {
    const auto object = ObjectArg(call, index);
    if (!object) {
        return nullptr;
    }
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed) {
        Raise(FailureNumber::TypeMismatch);
    }
    return typed;
}

// A host object as the value of a call: its bridge; nothing as a null object.
// (Both are defined in Bridging.cpp, above the bridge they make and read.)
win::Variant Bridged(const std::shared_ptr<AutomationObject>& object);

}  // namespace pwk::bridge
