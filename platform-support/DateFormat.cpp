#include "platform-support/DateFormat.h"

#include <array>
#include <cctype>
#include <vector>

namespace pwk {

namespace {

using namespace std::chrono;

constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The calendar and clock fields of one moment, in UTC.
struct Fields {
    int year;
    int month;      // 1..12
    int day;        // 1..31
    int weekday;    // 0 = Sunday
    int dayOfYear;  // 1..366
    int weekOfYear;
    int hour;
    int minute;
    int second;
};

Fields Split(system_clock::time_point when) {
    const auto seconds = floor<std::chrono::seconds>(when);
    const auto day = floor<days>(seconds);
    const year_month_day date{day};
    const hh_mm_ss<std::chrono::seconds> clock{seconds - day};
    const sys_days newYear{date.year() / January / 1};
    Fields fields{};
    fields.year = static_cast<int>(date.year());
    fields.month = static_cast<int>(static_cast<unsigned>(date.month()));
    fields.day = static_cast<int>(static_cast<unsigned>(date.day()));
    fields.weekday = static_cast<int>(weekday{day}.c_encoding());
    fields.dayOfYear = static_cast<int>((day - newYear).count()) + 1;
    // Weeks start on Sunday; the week holding 1 January is week 1.
    const int newYearWeekday = static_cast<int>(weekday{newYear}.c_encoding());
    fields.weekOfYear = (fields.dayOfYear - 1 + newYearWeekday) / 7 + 1;
    fields.hour = static_cast<int>(clock.hours().count());
    fields.minute = static_cast<int>(clock.minutes().count());
    fields.second = static_cast<int>(clock.seconds().count());
    return fields;
}

std::string Number(int value, int width) {
    std::string text = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    }
    return text;
}

int Hour12(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

std::string ShortDate(const Fields& f) {
    return Number(f.month, 1) + "/" + Number(f.day, 1) + "/" + Number(f.year, 4);
}

std::string LongDate(const Fields& f) {
    return std::string(kDayNames[static_cast<std::size_t>(f.weekday)]) + ", " +
           kMonthNames[static_cast<std::size_t>(f.month - 1)] + " " + Number(f.day, 2) + ", " +
           Number(f.year, 4);
}

std::string LongTime(const Fields& f) {
    return Number(Hour12(f.hour), 1) + ":" + Number(f.minute, 2) + ":" + Number(f.second, 2) +
           (f.hour < 12 ? " AM" : " PM");
}

enum class Kind {
    Literal,
    Day,
    Day2,
    DayAbbrev,
    DayName,
    ShortDate,
    LongDate,
    Weekday,
    Week,
    Month,
    Month2,
    MonthAbbrev,
    MonthName,
    Quarter,
    DayOfYear,
    Year2,
    Year4,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    GeneralDate,
    Time,
    AmPmUpper,   // AM/PM
    AmPmLower,   // am/pm
    APUpper,     // A/P
    APLower,     // a/p
    AmPmLocale,  // AMPM
};

struct Token {
    Kind kind;
    std::string text;  // literals only
};

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool MatchesAt(const std::string& format, std::size_t at, const char* word) {
    for (std::size_t i = 0; word[i] != '\0'; ++i) {
        if (at + i >= format.size() || Lower(format[at + i]) != word[i]) {
            return false;
        }
    }
    return true;
}

std::size_t RunLength(const std::string& format, std::size_t at) {
    const char letter = Lower(format[at]);
    std::size_t end = at;
    while (end < format.size() && Lower(format[end]) == letter) {
        ++end;
    }
    return end - at;
}

// Cuts the format into tokens; `length` is how much of the format the token took.
Token NextToken(const std::string& format, std::size_t at, std::size_t& length) {
    const char c = format[at];
    const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
    if (c == '"') {
        const std::size_t close = format.find('"', at + 1);
        const std::size_t end = close == std::string::npos ? format.size() : close;
        length = (close == std::string::npos ? end : end + 1) - at;
        return {Kind::Literal, format.substr(at + 1, end - at - 1)};
    }
    if (c == '\\') {
        length = at + 1 < format.size() ? 2 : 1;
        return {Kind::Literal, format.substr(at + 1, length - 1)};
    }
    if (MatchesAt(format, at, "am/pm")) {
        length = 5;
        return {upper ? Kind::AmPmUpper : Kind::AmPmLower, {}};
    }
    if (MatchesAt(format, at, "ampm")) {
        length = 4;
        return {Kind::AmPmLocale, {}};
    }
    if (MatchesAt(format, at, "a/p")) {
        length = 3;
        return {upper ? Kind::APUpper : Kind::APLower, {}};
    }
    if (MatchesAt(format, at, "ttttt")) {
        length = 5;
        return {Kind::Time, {}};
    }
    const std::size_t run = RunLength(format, at);
    switch (Lower(c)) {
        case 'd': {
            static constexpr std::array<Kind, 6> kinds = {Kind::Day,       Kind::Day2,
                                                          Kind::DayAbbrev, Kind::DayName,
                                                          Kind::ShortDate, Kind::LongDate};
            length = std::min<std::size_t>(run, 6);
            return {kinds[length - 1], {}};
        }
        case 'm': {
            static constexpr std::array<Kind, 4> kinds = {Kind::Month, Kind::Month2,
                                                          Kind::MonthAbbrev, Kind::MonthName};
            length = std::min<std::size_t>(run, 4);
            return {kinds[length - 1], {}};
        }
        case 'y':
            length = run >= 4 ? 4 : (run >= 2 ? 2 : 1);
            return {length == 4 ? Kind::Year4 : (length == 2 ? Kind::Year2 : Kind::DayOfYear), {}};
        case 'w':
            length = std::min<std::size_t>(run, 2);
            return {length == 2 ? Kind::Week : Kind::Weekday, {}};
        case 'h':
            length = std::min<std::size_t>(run, 2);
            return {length == 2 ? Kind::Hour2 : Kind::Hour, {}};
        case 'n':
            length = std::min<std::size_t>(run, 2);
            return {length == 2 ? Kind::Minute2 : Kind::Minute, {}};
        case 's':
            length = std::min<std::size_t>(run, 2);
            return {length == 2 ? Kind::Second2 : Kind::Second, {}};
        case 'q':
            length = 1;
            return {Kind::Quarter, {}};
        case 'c':
            length = 1;
            return {Kind::GeneralDate, {}};
        default:
            length = 1;
            return {Kind::Literal, std::string(1, c)};
    }
}

std::vector<Token> Tokenize(const std::string& format) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < format.size()) {
        std::size_t length = 1;
        tokens.push_back(NextToken(format, at, length));
        at += length;
    }
    return tokens;
}

bool IsAmPm(Kind kind) {
    return kind == Kind::AmPmUpper || kind == Kind::AmPmLower || kind == Kind::APUpper ||
           kind == Kind::APLower || kind == Kind::AmPmLocale;
}

std::string AmPmText(Kind kind, bool morning) {
    switch (kind) {
        case Kind::AmPmUpper:
        case Kind::AmPmLocale:
            return morning ? "AM" : "PM";
        case Kind::AmPmLower:
            return morning ? "am" : "pm";
        case Kind::APUpper:
            return morning ? "A" : "P";
        default:
            return morning ? "a" : "p";
    }
}

std::string Render(const Token& token, const Fields& f, bool twelveHour, bool afterHour) {
    const int hour = twelveHour ? Hour12(f.hour) : f.hour;
    switch (token.kind) {
        case Kind::Literal:
            return token.text;
        case Kind::Day:
            return Number(f.day, 1);
        case Kind::Day2:
            return Number(f.day, 2);
        case Kind::DayAbbrev:
            return std::string(kDayNames[static_cast<std::size_t>(f.weekday)]).substr(0, 3);
        case Kind::DayName:
            return kDayNames[static_cast<std::size_t>(f.weekday)];
        case Kind::ShortDate:
            return ShortDate(f);
        case Kind::LongDate:
            return LongDate(f);
        case Kind::Weekday:
            return Number(f.weekday + 1, 1);
        case Kind::Week:
            return Number(f.weekOfYear, 1);
        case Kind::Month:
            return afterHour ? Number(f.minute, 1) : Number(f.month, 1);
        case Kind::Month2:
            return afterHour ? Number(f.minute, 2) : Number(f.month, 2);
        case Kind::MonthAbbrev:
            return std::string(kMonthNames[static_cast<std::size_t>(f.month - 1)]).substr(0, 3);
        case Kind::MonthName:
            return kMonthNames[static_cast<std::size_t>(f.month - 1)];
        case Kind::Quarter:
            return Number((f.month - 1) / 3 + 1, 1);
        case Kind::DayOfYear:
            return Number(f.dayOfYear, 1);
        case Kind::Year2:
            return Number(f.year % 100, 2);
        case Kind::Year4:
            return Number(f.year, 4);
        case Kind::Hour:
            return Number(hour, 1);
        case Kind::Hour2:
            return Number(hour, 2);
        case Kind::Minute:
            return Number(f.minute, 1);
        case Kind::Minute2:
            return Number(f.minute, 2);
        case Kind::Second:
            return Number(f.second, 1);
        case Kind::Second2:
            return Number(f.second, 2);
        case Kind::GeneralDate:
            return ShortDate(f) + " " + LongTime(f);
        case Kind::Time:
            return LongTime(f);
        default:
            return AmPmText(token.kind, f.hour < 12);
    }
}

}  // namespace

std::string DefaultDateTimeText(system_clock::time_point when) {
    const Fields fields = Split(when);
    return ShortDate(fields) + " " + LongTime(fields);
}

std::string FormatDate(system_clock::time_point when, const std::string& format) {
    const Fields fields = Split(when);
    const std::vector<Token> tokens = Tokenize(format);
    bool twelveHour = false;
    for (const Token& token : tokens) {
        twelveHour = twelveHour || IsAmPm(token.kind);
    }
    std::string text;
    bool afterHour = false;  // m and mm mean minutes when the last field written was an hour
    for (const Token& token : tokens) {
        text += Render(token, fields, twelveHour, afterHour);
        if (token.kind != Kind::Literal) {
            afterHour = token.kind == Kind::Hour || token.kind == Kind::Hour2;
        }
    }
    return text;
}

}  // namespace pwk
