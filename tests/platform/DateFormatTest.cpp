#include "platform-support/DateFormat.h"

#include <gtest/gtest.h>

namespace pwk {
namespace {

using namespace std::chrono;

system_clock::time_point At(int y, unsigned m, unsigned d, int hh = 0, int mi = 0, int ss = 0) {
    return sys_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mi} + seconds{ss};
}

const auto kSaturdayAfternoon = At(2026, 12, 5, 14, 28, 38);

TEST(DefaultDateTimeText, MonthDayYearWithTwelveHourClock) {
    EXPECT_EQ(DefaultDateTimeText(kSaturdayAfternoon), "12/5/2026 2:28:38 PM");
    EXPECT_EQ(DefaultDateTimeText(At(2026, 1, 9, 0, 5, 7)), "1/9/2026 12:05:07 AM");
    EXPECT_EQ(DefaultDateTimeText(At(2026, 1, 9, 12, 0, 0)), "1/9/2026 12:00:00 PM");
}

TEST(DefaultDateTimeText, DropsFractionsAndHandlesMomentsBefore1970) {
    EXPECT_EQ(DefaultDateTimeText(At(1970, 1, 1) - milliseconds{500}), "12/31/1969 11:59:59 PM");
    EXPECT_EQ(DefaultDateTimeText(kSaturdayAfternoon + milliseconds{999}), "12/5/2026 2:28:38 PM");
}

TEST(FormatDate, NumericDateFields) {
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "yyyymmdd"), "20261205");
    EXPECT_EQ(FormatDate(At(2026, 3, 7), "d/m/yy"), "7/3/26");
    EXPECT_EQ(FormatDate(At(2026, 3, 7), "dd-mm-yyyy"), "07-03-2026");
    EXPECT_EQ(FormatDate(At(2009, 3, 7), "yy"), "09");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "YYYY-MM-DD"), "2026-12-05");
}

TEST(FormatDate, NamesOfDaysAndMonths) {
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "dddd, mmmm d"), "Saturday, December 5");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "ddd mmm"), "Sat Dec");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "ddddd"), "12/5/2026");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "dddddd"), "Saturday, December 05, 2026");
}

TEST(FormatDate, MonthTokenAfterAnHourMeansMinutes) {
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "hh:mm"), "14:28");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "h:m"), "14:28");
    // Only the field right after the hour; names are always months.
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "hh:nn mm"), "14:28 12");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "hh mmm"), "14 Dec");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "mm/dd hh:nn:ss"), "12/05 14:28:38");
}

TEST(FormatDate, TwelveHourMarkers) {
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "h:nn AM/PM"), "2:28 PM");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "hh:nn am/pm"), "02:28 pm");
    EXPECT_EQ(FormatDate(At(2026, 1, 1, 9), "h A/P"), "9 A");
    EXPECT_EQ(FormatDate(At(2026, 1, 1, 0), "h a/p"), "12 a");
    EXPECT_EQ(FormatDate(At(2026, 1, 1, 12), "hAMPM"), "12PM");
    EXPECT_EQ(FormatDate(At(2026, 1, 1, 0), "hh"), "00");
}

TEST(FormatDate, WeekOfYearStartsOnSundayWithWeekOneHoldingFirstJanuary) {
    EXPECT_EQ(FormatDate(At(2022, 1, 1), "ww"), "1");  // a Saturday
    EXPECT_EQ(FormatDate(At(2022, 1, 2), "ww"), "2");  // the next day, a Sunday
    EXPECT_EQ(FormatDate(At(2022, 12, 31), "ww"), "53");
    EXPECT_EQ(FormatDate(At(2023, 1, 1), "ww"), "1");
    EXPECT_EQ(FormatDate(At(2024, 12, 31), "ww"), "53");  // leap year
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "ww"), "49");
}

TEST(FormatDate, WeekdayQuarterAndDayOfYear) {
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "w"), "7");
    EXPECT_EQ(FormatDate(At(2022, 1, 2), "w"), "1");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "q"), "4");
    EXPECT_EQ(FormatDate(At(2026, 3, 31), "q"), "1");
    EXPECT_EQ(FormatDate(At(2026, 4, 1), "q"), "2");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "y"), "339");
    EXPECT_EQ(FormatDate(At(2024, 12, 31), "y"), "366");
}

TEST(FormatDate, LiteralText) {
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "\"Log of\" d"), "Log of 5");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "\\h\\d h"), "hd 14");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "_yyyy.log"), "_2026.log");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, "\"open"), "open");
    EXPECT_EQ(FormatDate(kSaturdayAfternoon, ""), "");
}

}  // namespace
}  // namespace pwk
