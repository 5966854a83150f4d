#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace pwk {

// The run-time failure numbers the add-in raises and tests for.
namespace FailureNumber {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t PermissionDenied = 70;
inline constexpr std::int32_t PathFileAccessError = 75;
inline constexpr std::int32_t PathNotFound = 76;
inline constexpr std::int32_t ObjectNotSet = 91;
inline constexpr std::int32_t CannotCreateObject = 429;
inline constexpr std::int32_t DuplicateKey = 457;
}  // namespace FailureNumber

// A run-time failure: what every failing host call, conversion or lookup throws.
// `Reported` is set once the error library has handled it, so that the failure is reported
// once however many traced procedures it passes through on its way out.
class Failure : public std::exception {
  public:
    Failure(std::int32_t number, std::string description, std::string source = "",
            std::int32_t line = 0)
        : Number(number),
          Description(std::move(description)),
          Source(std::move(source)),
          Line(line) {}

    const char* what() const noexcept override { return Description.c_str(); }

    std::int32_t Number;
    std::string Description;
    std::string Source;
    std::int32_t Line;
    bool Reported = false;
};

// The classic description of a failure number, used where a failure is raised without one.
std::string DescriptionOf(std::int32_t number);

// Raises the failure `number` with its classic description.
[[noreturn]] void Raise(std::int32_t number, const std::string& source = "");

// The failure a caught exception stands for: a Failure as it is, a foreign one by its kind
// (std::bad_alloc 7, out of memory; any other 5 with its own text).
Failure AsFailure(const std::exception& caught);

}  // namespace pwk
