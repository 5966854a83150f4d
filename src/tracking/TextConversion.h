#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "src/util/Failure.h"

namespace pwk {

// The platform's conversions of stored text values.

// Equal apart from the letter case of ASCII letters.
bool EqualsIgnoringCase(std::string_view text, std::string_view word);

// "True"/"False" in any letter case, or a number (0 false, any other true); anything else
// fails with 13.
bool TextToBoolean(const std::string& text);

// Written as the platform writes a Boolean.
std::string BooleanText(bool value);

// A decimal number with an optional sign; fails with 13 when the text is not one and with 6
// when it lies outside [min, max].
std::int64_t TextToIntegerInRange(const std::string& text, std::int64_t min, std::int64_t max);

// A decimal number of the width of Int.
template <std::signed_integral Int>
Int TextToInteger(const std::string& text) {
    static_assert(sizeof(Int) <= sizeof(std::int64_t));
    return static_cast<Int>(TextToIntegerInRange(text, std::numeric_limits<Int>::min(),
                                                 std::numeric_limits<Int>::max()));
}

// A property's stored text and back: a Boolean as the platform writes it, a number in decimal.
template <class T>
T FromText(const std::string& text) {
    if constexpr (std::same_as<T, bool>) {
        return TextToBoolean(text);
    } else {
        return TextToInteger<T>(text);
    }
}
// FromText on a value read from the settings store: a failure says which value it was, so
// that an administrator can find it ("Type mismatch: Tracking\TrackAppointments is "maybe"").
template <class T>
T FromStoredText(const std::string& section, const std::string& key, const std::string& text) {
    try {
        return FromText<T>(text);
    } catch (Failure& failure) {
        failure.Description += ": " + section + "\\" + key + " is \"" + text + "\"";
        throw;
    }
}
template <class T>
std::string ToText(T value) {
    if constexpr (std::same_as<T, bool>) {
        return BooleanText(value);
    } else {
        return std::to_string(value);
    }
}

}  // namespace pwk
