#pragma once

#include <cstdint>
#include <string>

namespace pwk {

// What a settings store was refused by the system it keeps its values in.
enum class StoreAction { Read, Write, Remove };

// The failure a settings store raises when the system refuses it an operation: `number` (5, as
// the settings statements raise), what was refused ("write Logging\LogLevel") and the system's
// own reason ("Windows error 5"), so that a support engineer reading the log sees both.
[[noreturn]] void RaiseStoreFailure(std::int32_t number, StoreAction action,
                                    const std::string& what, const std::string& reason);

// The reason text of a refused registry call.
std::string WindowsErrorReason(long status);

}  // namespace pwk
