#include "date_time.h"
#include "calc_value.h"
#include "calendar.h"
#include "key_sequence.h"
#include "reckoning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::string TextOf(const std::optional<DateTime>& value) { return value ? DateTimeText(*value) : "none"; }

DateTime Read(const char* text) {
    const std::optional<DateTime> value = DateTimeValue(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(DateTime{});
}

TEST(DateTimeValue, ReadsTheForms) {
    const std::pair<const char*, const char*> rows[] = {{"9/10/2011", "09/10/2011"},
                                                        {"29/02/2000", "29/02/2000"},
                                                        {"11:5:2", "11:05:02"},
                                                        {"11:05", "11:05:00"},
                                                        {"30/12/1899", "00:00:00"},
                                                        {"11/05/2000 00:00:00", "11/05/2000"},
                                                        {"31/12/9999 23:59:59", "31/12/9999 23:59:59"}};
    for (const auto& [text, written] : rows) EXPECT_EQ(TextOf(DateTimeValue(text)), written) << text;
}

TEST(DateTimeValue, RefusesWhatDoesNotExist) {
    for (const char* text :
         {"31/04/2001", "29/02/2001", "29/02/1900", "32/01/2000", "00/01/2000", "15/13/2000", "15/00/2000",
          "01/01/0099", "24:00:00", "12:60:00", "12:00:60", "11/05/2000 25:00:00", ""}) {
        EXPECT_EQ(TextOf(DateTimeValue(text)), "none") << text;
    }
}

TEST(DateTimeText, EveryDayRoundTripsAndCountsOne) {
    const std::vector<Civil>& days = AllDays();
    ASSERT_EQ(days.size(), 3'615'900u);
    constexpr double kFirstSerial = -657434;  // 01/01/0100
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DateTime value = At(days[i]);
        const std::string text = DateTimeText(value);
        ASSERT_EQ(text, days[i] == kCivilZero ? "00:00:00" : CivilText(days[i]));
        ASSERT_EQ(DateTimeValue(text), value) << text;
        ASSERT_EQ(SerialNumber(value), kFirstSerial + static_cast<double>(i)) << text;
    }
}

TEST(DateTimeText, ClockTimesRoundTrip) {
    for (const Civil day : {kCivilZero, Civil{100, 1, 1}, Civil{2000, 2, 29}, Civil{9999, 12, 31}}) {
        for (int second = 0; second < 86400; second += 7) {  // meets every second and minute value
            const DateTime value = At(day, second);
            const std::string expected = day == kCivilZero ? ClockText(second)
                                         : second == 0     ? CivilText(day)
                                                           : CivilText(day) + " " + ClockText(second);
            ASSERT_EQ(DateTimeText(value), expected);
            ASSERT_EQ(DateTimeValue(expected), value) << expected;
            ASSERT_EQ(FromSerialNumber(SerialNumber(value)), value) << expected;
        }
    }
}

TEST(CalcValue, ReadsAsDateTime) {
    const std::pair<CalcValue, const char*> rows[] = {{CalcValue{}, "00:00:00"},
                                                      {9.0, "08/01/1900"},
                                                      {0.5, "12:00:00"},
                                                      {-1.0, "29/12/1899"},
                                                      {-657434.0, "01/01/0100"},
                                                      {2958465.0, "31/12/9999"},
                                                      {2958466.0, "none"},
                                                      {-657435.0, "none"},
                                                      {1e300, "none"},
                                                      {HUGE_VAL, "none"},
                                                      {std::numeric_limits<double>::quiet_NaN(), "none"},
                                                      {std::string("11:05:20"), "11:05:20"},
                                                      {std::string("11 Years: 4 Months: 28 Days"), "none"},
                                                      {At({2000, 5, 11}, 60), "11/05/2000 00:01:00"}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(TextOf(ReadAsDateTime(value)), expected) << expected;
}

TEST(Calendar, Steps) {
    using Step = std::optional<DateTime> (*)(DateTime, std::int64_t);
    const std::tuple<Step, const char*, std::int64_t, const char*> rows[] = {
        {AddDays, "11/05/2000 11:05:20", 3, "14/05/2000 11:05:20"},
        {AddDays, "01/01/0100", 3'615'899, "31/12/9999"},
        {AddMonths, "31/01/2001 23:59:59", 1, "28/02/2001 23:59:59"},
        {AddYears, "29/02/2000", -100, "28/02/1900"},
        {AddHours, "23:00:00", 2, "31/12/1899 01:00:00"},
        {AddHours, "01:00:00", -2, "29/12/1899 23:00:00"},
        {AddMinutes, "11:05:20", 90, "12:35:20"},
        {AddSeconds, "01/01/2000", -1, "31/12/1999 23:59:59"},
        {AddSeconds, "31/12/9999 23:59:59", 1, "none"},
        {AddHours, "01/01/0100", -1, "none"}};
    for (const auto& [step, from, count, expected] : rows) EXPECT_EQ(TextOf(step(Read(from), count)), expected) << from;

    // Counts that no date survives give no value rather than overflowing on the way.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    for (const Step step : {AddDays, AddMonths, AddYears, AddHours, AddMinutes, AddSeconds}) {
        for (const std::int64_t count : {kMax, kMin, kMax / 12, kMin / 12, kMax / 86400, kMin / 86400}) {
            EXPECT_EQ(TextOf(step(Read("11/05/2000 11:05:20"), count)), "none") << count;
        }
    }
}

TEST(Calendar, CountsAreMarksPassed) {
    using Count = std::int64_t (*)(DateTime, DateTime);
    const std::tuple<Count, const char*, const char*, std::int64_t> rows[] = {
        {DayCount, "11/09/2011", "09/10/2011", 28},
        {DayCount, "09/10/2011", "11/09/2011", -28},
        {DayCount, "11/05/2000 23:59:59", "12/05/2000", 1},
        {DayCount, "11/05/2000", "11/05/2000 23:59:59", 0},
        {MonthCount, "11/05/2011", "09/10/2011", 5},
        {MonthCount, "09/10/2011", "11/05/2010", -17},
        {YearCount, "31/12/2000", "01/01/2001", 1},
        {YearCount, "01/01/2000", "31/12/2000", 0},
        {HourCount, "11:05:20", "19:10:23", 8},
        {HourCount, "11:00:00", "10:59:59", -1},
        {MinuteCount, "11:05:50", "11:06:10", 1},
        {MinuteCount, "11:06:10", "11:05:50", -1},
        {SecondCount, "11/05/2000 23:59:59", "12/05/2000 00:00:01", 2}};
    for (const auto& [count, from, to, expected] : rows) EXPECT_EQ(count(Read(from), Read(to)), expected) << from;
}

}  // namespace
