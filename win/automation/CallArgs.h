#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "win/automation/DispatchCall.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// The arguments of a call in the add-in's own types. A value that does not convert is a type
// mismatch (13); a required argument left out is 449, as automation reports them.
std::string TextArg(const DispatchCall& call, std::size_t index, const std::string& missing = "");
std::int32_t NumberArg(const DispatchCall& call, std::size_t index);
std::optional<std::int32_t> OptionalNumber(const DispatchCall& call, std::size_t index);
std::optional<std::string> OptionalText(const DispatchCall& call, std::size_t index);
bool FlagArg(const DispatchCall& call, std::size_t index, bool missing);
std::optional<bool> OptionalFlag(const DispatchCall& call, std::size_t index);
// True when the argument is an object (or nothing passed as an object).
bool IsObjectArg(const DispatchCall& call, std::size_t index);
// The object passed, with a reference of its own; empty when it was left out or is nothing,
// a type mismatch when the argument is no object.
ComPtr<IDispatch> DispatchArg(const DispatchCall& call, std::size_t index);

}  // namespace pwk::win
