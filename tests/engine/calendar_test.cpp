// Date-time values and the calendar. The whole range is checked against a reckoning of its own,
// month lengths and leap years by hand, so the engine's std::chrono code meets something it
// does not share.
#include "calendar.h"
#include "calc_value.h"
#include "difference.h"
#include "key_sequence.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <tuple>

namespace {

struct Civil {
    int Year;   // [100, 9999] once in range
    int Month;  // [1, 12]
    int Day;    // [1, DaysInMonth]
};

int DaysInMonth(int year, int month) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return kLengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

Civil NextDay(Civil c) {
    if (c.Day < DaysInMonth(c.Year, c.Month)) return {c.Year, c.Month, c.Day + 1};
    return c.Month < 12 ? Civil{c.Year, c.Month + 1, 1} : Civil{c.Year + 1, 1, 1};
}

std::optional<DateTime> At(Civil c, int seconds = 0) {
    using namespace std::chrono;
    if (c.Year < 100 || c.Year > 9999) return std::nullopt;
    return DateTime{sys_days{year{c.Year} / c.Month / c.Day} + std::chrono::seconds{seconds}};
}

std::optional<DateTime> AddCivilMonths(Civil c, std::int64_t months) {
    const std::int64_t total = std::int64_t{c.Year} * 12 + c.Month - 1 + months;
    const auto year = static_cast<int>(total / 12);  // total >= 0 for every move below
    const int month = static_cast<int>(total % 12) + 1;
    return At({year, month, std::min(c.Day, DaysInMonth(year, month))});
}

using Step = std::optional<DateTime> (*)(DateTime, std::int64_t);

std::string Text(const std::optional<DateTime>& value) { return value ? DateTimeText(*value) : "none"; }

TEST(DateTimeValue, ReadsTheForms) {
    const std::pair<const char*, const char*> rows[] = {{"9/10/2011", "09/10/2011"},
                                                        {"11:5", "11:05:00"},
                                                        {"9:5:2", "09:05:02"},
                                                        {"31/12/9999 23:59:59", "31/12/9999 23:59:59"}};
    for (const auto& [text, written] : rows) EXPECT_EQ(Text(DateTimeValue(text)), written) << text;
    for (const char* text :
         {"31/04/2001",  "29/02/2001", "29/02/1900", "32/01/2000",  "00/01/2000", "15/13/2000",
          "15/00/2000",  "01/01/0099", "24:00:00",   "12:60:00",    "12:00:60",   "11/05/2000 25:00:00",
          "11/05/2000x", "11:05:20 ",  "1/1/20000",  "011/05/2000", "1/011/2000", "011:05",
          "1:005",       "1:05:005",   ":30",        "11:",         "11:05:",     ""}) {
        EXPECT_EQ(Text(DateTimeValue(text)), "none") << text;
    }
}

// Every day from 01/01/0100 to 31/12/9999: its text reads back, its serial number counts up by
// one, its short steps land where the reckoning says, and the weekdays up to it from the first
// day are the days less the Saturdays and Sundays counted one by one (so every pair of days is
// right too: a count between two days is the difference of their counts from the first).
TEST(Calendar, EveryDayLikeTheReckoning) {
    constexpr double kFirstSerial = -657434;  // 01/01/0100
    constexpr int kFirstWeekday = 4;          // 01/01/0100 was a Friday; Monday is 0
    const DateTime first = *At({100, 1, 1});
    std::optional<DateTime> previous;
    int count = 0, weekends = 0;
    for (Civil c{100, 1, 1}; c.Year <= 9999; weekends += (kFirstWeekday + count) % 7 >= 5, c = NextDay(c), ++count) {
        const DateTime day = *At(c);
        ASSERT_EQ(WeekdayCount(first, day), count - weekends);
        char written[32];
        std::snprintf(written, sizeof written, "%02d/%02d/%04d", c.Day, c.Month, c.Year);
        const std::string text = DateTimeText(day);
        ASSERT_EQ(text, c.Year == 1899 && c.Month == 12 && c.Day == 30 ? "00:00:00" : written);
        ASSERT_EQ(DateTimeValue(text), day) << text;
        ASSERT_EQ(SerialNumber(day), kFirstSerial + count) << text;
        ASSERT_EQ(AddDays(day, 1), At(NextDay(c))) << text;
        ASSERT_EQ(AddDays(day, -1), previous) << text;
        for (const std::int64_t months : {1, -1, 13, 12, -12}) {
            ASSERT_EQ(AddMonths(day, months), AddCivilMonths(c, months)) << text << " " << months;
        }
        previous = day;
    }
    EXPECT_EQ(count, 3'615'900);
}

// The longest moves the range allows, and any longer one refused before its arithmetic overflows
// or wraps round into the range (12 * 2^32 months, 2^57 days).
TEST(Calendar, MovesAsFarAsTheRangeAndNoFurther) {
    constexpr std::int64_t kMonths = 118'799, kMax = std::numeric_limits<std::int64_t>::max();
    const DateTime first = *At({100, 1, 1}), last = *At({9999, 12, 31}, 86399);
    const std::tuple<std::optional<DateTime>, const char*> rows[] = {
        {AddMonths(first, kMonths), "01/12/9999"},
        {AddMonths(last, -kMonths), "31/01/0100 23:59:59"},
        {AddMonths(first, kMonths + 1), "none"},
        {AddMonths(last, -kMonths - 1), "none"},
        {AddMonths(first, 12 * (std::int64_t{1} << 32)), "none"},
        {AddYears(first, 9899), "01/01/9999"},
        {AddYears(first, kMax / 6), "none"},
        {AddDays(first, std::int64_t{1} << 57), "none"},
        {AddSeconds(last, kMax), "none"},
        {AddSeconds(first, -kMax), "none"},
        {AddHours(first, 86'781'599), "31/12/9999 23:00:00"}};
    for (const auto& [moved, expected] : rows) EXPECT_EQ(Text(moved), expected);
}

TEST(CalcValue, ReadsAsDateTime) {
    const std::pair<CalcValue, const char*> rows[] = {
        {9.0, "08/01/1900"},       {0.5, "12:00:00"},
        {0.6 / 86400, "00:00:01"}, {-657434.0, "01/01/0100"},
        {2958465.0, "31/12/9999"}, {2958466.0, "none"},
        {-657435.0, "none"},       {std::numeric_limits<double>::quiet_NaN(), "none"}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(Text(ReadAsDateTime(value)), expected) << expected;
}

// A million pairs of values, whole units apart within span units from origin: each difference's
// three counts, added to the earlier value in turn, give the later one, and none spills over into
// the next unit.
void ExpectDifferencesAddBack(DifferenceResult (*difference)(DateTime, DateTime), const char* format,
                              std::array<Step, 3> steps, std::array<long long, 3> limits, DateTime origin,
                              std::int64_t span, std::int64_t unit) {
    std::mt19937_64 random(2000);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<std::int64_t> any(0, span - 1), near(0, 800);
    for (int pair = 0; pair < 1'000'000; ++pair) {
        // Half the pairs lie close together, where month ends matter most.
        const std::int64_t a = any(random), b = pair % 2 ? std::min(a + near(random), span - 1) : any(random);
        const DateTime first = *AddSeconds(origin, a * unit), second = *AddSeconds(origin, b * unit);
        const std::string text = difference(first, second).Text;
        std::array<long long, 3> c{-1, -1, -1};
        ASSERT_EQ(std::sscanf(text.c_str(), format, &c[0], &c[1], &c[2]), 3) << text;  // NOLINT(cert-err34-c)
        std::optional<DateTime> moved = std::min(first, second);
        for (std::size_t i = 0; i < 3 && moved; ++i) {
            ASSERT_TRUE(c[i] >= 0 && c[i] < limits[i]) << text;
            moved = steps[i](*moved, c[i]);
        }
        ASSERT_EQ(moved, std::max(first, second)) << Text(first) << " to " << Text(second) << ": " << text;
    }
}

// Days may reach 31 where the year step clamped a leap day: 29/02/2160 to 28/09/8598 is 6438
// Years: 6 Months: 31 Days.
TEST(Calendar, DateDifferencesAddBack) {
    ExpectDifferencesAddBack(DateDifference, "%lld Years: %lld Months: %lld Days", {AddYears, AddMonths, AddDays},
                             {9900, 12, 32}, *At({100, 1, 1}), 3'615'900, 86400);
}

TEST(Calendar, TimeDifferencesAddBack) {
    ExpectDifferencesAddBack(TimeDifference, "%lld Hours: %lld Minutes: %lld Seconds ",
                             {AddHours, AddMinutes, AddSeconds}, {24, 60, 60}, *At({1899, 12, 30}), 86400, 1);
}

// Where a date lies, as "days years/months/days wWEEK/WEEKYEAR dDAY/DAYSINYEAR", "none" for the
// distance where there is none.
std::string PlaceText(const DatePlace& p) {
    const auto& f = p.FromToday;
    const std::string distance = f ? std::to_string(f->Days) + " " + std::to_string(f->Years) + "/" +
                                         std::to_string(f->Months) + "/" + std::to_string(f->DaysLeft)
                                   : "none";
    return distance + " w" + std::to_string(p.Week) + "/" + std::to_string(p.WeekYear) + " d" +
           std::to_string(p.DayOfYear) + "/" + std::to_string(p.DaysInYear);
}

std::chrono::year_month_day Ymd(Civil c) {
    return {std::chrono::year{c.Year}, std::chrono::month(c.Month), std::chrono::day(c.Day)};
}

TEST(PlaceOf, Rows) {
    const Civil today{2026, 12, 7};  // a Monday
    const std::tuple<Civil, Civil, const char*> rows[] = {
        {{2026, 12, 7}, today, "0 0/0/0 w50/2026 d341/365"},
        {{2026, 12, 8}, today, "1 0/0/1 w50/2026 d342/365"},
        {{2026, 12, 6}, today, "-1 0/0/1 w49/2026 d340/365"},
        {{2024, 2, 29}, today, "-1012 2/9/9 w9/2024 d60/366"},
        {{2025, 2, 28}, {2024, 2, 29}, "365 0/11/30 w9/2025 d59/365"},
        {{2008, 12, 29}, today, "-6552 17/11/8 w1/2009 d364/366"},
        {{2010, 1, 1}, today, "-6184 16/11/6 w53/2009 d1/365"},
        {{2012, 12, 31}, today, "-5089 13/11/7 w1/2013 d366/366"},
        {{100, 1, 1}, today, "-703797 1926/11/6 w53/99 d1/365"},
        {{100, 1, 4}, today, "-703794 1926/11/3 w1/100 d4/365"},
        {{9999, 12, 31}, {100, 1, 1}, "3615899 9899/11/30 w52/9999 d365/365"},
        {{2000, 5, 11}, {10000, 1, 1}, "none w19/2000 d132/366"},
        {{2000, 5, 11}, {99, 12, 31}, "none w19/2000 d132/366"},
    };
    for (const auto& [date, from, expected] : rows) {
        EXPECT_EQ(PlaceText(PlaceOf(Ymd(date), Ymd(from))), expected)
            << date.Day << "/" << date.Month << "/" << date.Year;
    }
}

// The days from 01/01/0001, a Monday, counted by hand: 1 for that day.
std::int64_t DayNumber(Civil c) {
    const std::int64_t y = c.Year - 1;
    std::int64_t n = y * 365 + y / 4 - y / 100 + y / 400 + c.Day;
    for (int m = 1; m < c.Month; ++m) n += DaysInMonth(c.Year, m);
    return n;
}

int DayOfYear(Civil c) { return static_cast<int>(DayNumber(c) - DayNumber({c.Year, 1, 1}) + 1); }

// ISO 8601 weeks by the rule of 4 January: week 1 holds it, and a year has 53 weeks when it starts
// on a Thursday, or on a Wednesday in a leap year.
std::pair<int, int> IsoWeek(Civil c) {
    const auto weekday = [](Civil d) { return static_cast<int>((DayNumber(d) - 1) % 7) + 1; };  // Monday 1
    const auto weeksIn = [&](int y) {
        const int first = weekday({y, 1, 1});
        const bool leap = DaysInMonth(y, 2) == 29;
        return first == 4 || (leap && first == 3) ? 53 : 52;
    };
    const int week = (DayOfYear(c) - weekday(c) + 10) / 7;
    if (week < 1) return {weeksIn(c.Year - 1), c.Year - 1};
    if (week > weeksIn(c.Year)) return {1, c.Year + 1};
    return {week, c.Year};
}

// A date moved by whole years or months, the day clamped to the month's length.
Civil MovedMonths(Civil c, int months) {
    const int total = c.Year * 12 + c.Month - 1 + months;
    const Civil to{total / 12, total % 12 + 1, 1};
    return {to.Year, to.Month, std::min(c.Day, DaysInMonth(to.Year, to.Month))};
}

// The distance from today as the date difference counts it, by hand.
std::string ModelPlace(Civil date, Civil today) {
    const bool before = DayNumber(date) < DayNumber(today);
    const Civil earlier = before ? date : today, later = before ? today : date;
    const int years =
        later.Year - earlier.Year - (std::pair{earlier.Month, earlier.Day} > std::pair{later.Month, later.Day} ? 1 : 0);
    const Civil anchor = MovedMonths(earlier, 12 * years);
    const int months = (later.Year - anchor.Year) * 12 + later.Month - anchor.Month - (earlier.Day > later.Day ? 1 : 0);
    const Civil anchor2 = MovedMonths(anchor, months);
    const auto [week, weekYear] = IsoWeek(date);
    return std::to_string(DayNumber(date) - DayNumber(today)) + " " + std::to_string(years) + "/" +
           std::to_string(months) + "/" + std::to_string(DayNumber(later) - DayNumber(anchor2)) + " w" +
           std::to_string(week) + "/" + std::to_string(weekYear) + " d" + std::to_string(DayOfYear(date)) + "/" +
           std::to_string(DaysInMonth(date.Year, 2) == 29 ? 366 : 365);
}

TEST(PlaceOf, RandomDatesLikeTheReckoning) {
    std::mt19937 random(26);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31);
    const auto any = [&] {
        const Civil c{year(random), month(random), 1};
        return Civil{c.Year, c.Month, std::min(day(random), DaysInMonth(c.Year, c.Month))};
    };
    for (const Civil today : {Civil{2026, 12, 7}, Civil{2024, 2, 29}, Civil{100, 1, 1}, Civil{9999, 12, 31}}) {
        for (int i = 0; i < 25'000; ++i) {
            const Civil date = any();
            ASSERT_EQ(PlaceText(PlaceOf(Ymd(date), Ymd(today))), ModelPlace(date, today))
                << date.Day << "/" << date.Month << "/" << date.Year << " from " << today.Year;
        }
    }
}

}  // namespace
