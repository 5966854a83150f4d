#pragma once

#include <cstdint>

namespace pwk::sim {

// The failure numbers the simulated host raises besides the classic ones (5, 9, 13, 91), as
// the real host reports them (HRESULTs as signed 32-bit numbers).
namespace HostError {
// A folder or message that the identifiers do not name.
inline constexpr std::int32_t NotFound = static_cast<std::int32_t>(0x8004010F);
// An item that has been deleted.
inline constexpr std::int32_t ItemDeleted = static_cast<std::int32_t>(0x8004010A);
// A Find restriction the host cannot parse, or a field it does not know.
inline constexpr std::int32_t ConditionNotValid = static_cast<std::int32_t>(0x80020009);
// A member of a closed window or a deleted command-bar control, or a disabled control run.
inline constexpr std::int32_t OperationFailed = static_cast<std::int32_t>(0x80004005);
// Any call after the host has shut down.
inline constexpr std::int32_t Disconnected = static_cast<std::int32_t>(0x80010108);
// The messaging library: no session, or logon impossible.
inline constexpr std::int32_t LogonFailed = static_cast<std::int32_t>(0x80040111);
inline constexpr std::int32_t NotLoggedOn = static_cast<std::int32_t>(0x80040605);
}  // namespace HostError

}  // namespace pwk::sim
