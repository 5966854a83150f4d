#include "src/tracking/TextConversion.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "src/util/Failure.h"

namespace pwk {

namespace {

// Stored values edited by hand may carry blanks around them; the platform ignores those.
std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Splits off an optional sign; true when it was a minus.
bool TakeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    // ASCII letters only, as the platform compares the words it stores; no locale asked.
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(),
                      [&](char a, char b) { return a == b || lower(a) == lower(b); });
}

bool TextToBoolean(const std::string& text) {
    std::string_view rest = Trimmed(text);
    if (EqualsIgnoringCase(rest, "True")) {
        return true;
    }
    if (EqualsIgnoringCase(rest, "False")) {
        return false;
    }
    // A number, with or without a fraction: only zero is false.
    TakeSign(rest);
    const auto point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
    const bool digitsOnly = std::all_of(whole.begin(), whole.end(), IsDigit) &&
                            std::all_of(fraction.begin(), fraction.end(), IsDigit);
    if (!digitsOnly || whole.size() + fraction.size() == 0) {
        Raise(FailureNumber::TypeMismatch);
    }
    const auto nonZero = [](char c) { return c != '0'; };
    return std::any_of(whole.begin(), whole.end(), nonZero) ||
           std::any_of(fraction.begin(), fraction.end(), nonZero);
}

std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

std::int64_t TextToIntegerInRange(const std::string& text, std::int64_t min, std::int64_t max) {
    std::string_view rest = Trimmed(text);
    const bool negative = TakeSign(rest);
    if (rest.empty() || !std::all_of(rest.begin(), rest.end(), IsDigit)) {
        Raise(FailureNumber::TypeMismatch);
    }
    // Accumulated as a negative number, which reaches the lowest value of the type without
    // overflowing on the way.
    std::int64_t value = 0;
    const std::int64_t lowest = negative ? min : -max;
    for (const char c : rest) {
        const std::int64_t digit = c - '0';
        if (value < (lowest + digit) / 10) {
            Raise(FailureNumber::Overflow);
        }
        value = value * 10 - digit;
    }
    return negative ? value : -value;
}

}  // namespace pwk
