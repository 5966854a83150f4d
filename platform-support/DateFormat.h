#pragma once

#include <chrono>
#include <string>

namespace pwk {

// Date and time texts as the classic runtime writes them. Both work in UTC so that a text
// never depends on the machine's time zone.

// The system's default date-time text: "12/5/2026 2:28:38 PM" (month/day/year, 12-hour clock).
std::string DefaultDateTimeText(std::chrono::system_clock::time_point when);

// Formats with a classic user-defined date/time format. Tokens (letters in either case):
//   d dd ddd dddd   day, two-digit day, "Sat", "Saturday"
//   w ww            weekday (1 = Sunday); week of year (weeks start on Sunday, week 1 holds 1
//   January) m mm mmm mmmm   month, two-digit month, "Dec", "December"; m/mm right after h/hh:
//   minutes q y yy yyyy     quarter, day of year, two- and four-digit year h hh n nn s ss  hour,
//   minute, second (without and with a leading zero) AM/PM am/pm A/P a/p AMPM   12-hour clock with
//   that marker "text" \c       literal text; any other character stands for itself
std::string FormatDate(std::chrono::system_clock::time_point when, const std::string& format);

}  // namespace pwk
