#include "date_time.h"
#include "calc_value.h"
#include "key_sequence.h"
#include "reckoning.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using std::chrono::seconds;
using std::chrono::sys_seconds;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string TextOf(const std::optional<DateTime>& value) { return value ? DateTimeText(*value) : "none"; }

TEST(DateTimeValue, ReadsTheForms) {
    const std::pair<const char*, const char*> rows[] = {
        {"9/10/2011", "09/10/2011"},
        {"29/02/2000", "29/02/2000"},
        {"01/01/0100", "01/01/0100"},
        {"31/12/9999 23:59:59", "31/12/9999 23:59:59"},
        {"11:5:2", "11:05:02"},
        {"11:05", "11:05:00"},
        {"30/12/1899", "00:00:00"},  // the zero date stands for a bare clock time
        {"30/12/1899 12:00:00", "12:00:00"},
        {"11/05/2000 11:05:20", "11/05/2000 11:05:20"},
        {"11/05/2000 00:00:00", "11/05/2000"}};
    for (const auto& [text, written] : rows) EXPECT_EQ(TextOf(DateTimeValue(text)), written) << text;
}

TEST(DateTimeValue, RefusesWhatDoesNotExist) {
    for (const char* text :
         {"31/04/2001", "29/02/2001", "29/02/1900", "32/01/2000", "00/01/2000", "13/13/2000", "15/00/2000",
          "01/01/0099", "25:00:00", "24:00:00", "12:60:00", "12:00:60", "11/05/2000 25:00:00", ""}) {
        EXPECT_EQ(TextOf(DateTimeValue(text)), "none") << text;
    }
}

TEST(DateTimeText, EveryDayRoundTrips) {
    const std::vector<Civil>& days = AllDays();
    ASSERT_EQ(days.size(), 3'615'900u);
    const std::int64_t first = DayNumber(days.front());
    const std::int64_t zero = DayNumber(kCivilZero);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const Civil day = days[i];
        ASSERT_EQ(DayNumber(day), first + static_cast<std::int64_t>(i));  // the walk and the count agree
        const DateTime value = At(day);
        const std::string written = CivilText(day);
        const std::string text = DateTimeText(value);
        ASSERT_EQ(text, day == kCivilZero ? "00:00:00" : written);
        ASSERT_EQ(DateTimeValue(text), value) << text;
        ASSERT_EQ(SerialNumber(value), static_cast<double>(DayNumber(day) - zero)) << text;
    }
}

TEST(DateTimeText, ClockTimesRoundTrip) {
    for (const Civil day : {kCivilZero, Civil{100, 1, 1}, Civil{2000, 2, 29}, Civil{9999, 12, 31}}) {
        // A step of 7 seconds meets every second and minute value of the clock.
        for (int second = 0; second < 86400; second += 7) {
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

TEST(DateTimeText, DateTextAlwaysWritesTheDate) {
    EXPECT_EQ(DateText(At(kCivilZero)), "30/12/1899");
    EXPECT_EQ(DateText(At(kCivilZero, 11 * 3600 + 5 * 60 + 20)), "30/12/1899 11:05:20");
    EXPECT_EQ(DateText(At({2000, 5, 11})), "11/05/2000");
    EXPECT_EQ(DateText(At({2000, 5, 11}, 1)), "11/05/2000 00:00:01");
}

TEST(SerialNumber, CountsDaysFromTheZeroDate) {
    struct Row {
        const char* Text;
        double Serial;
    };
    for (const Row& row :
         {Row{"30/12/1899", 0}, Row{"31/12/1899", 1}, Row{"08/01/1900", 9}, Row{"12:00:00", 0.5}, Row{"06:00:00", 0.25},
          Row{"29/12/1899", -1}, Row{"01/01/0100", -657434}, Row{"31/12/9999", 2958465}}) {
        const auto value = DateTimeValue(row.Text);
        ASSERT_TRUE(value) << row.Text;
        EXPECT_EQ(SerialNumber(*value), row.Serial) << row.Text;
        EXPECT_EQ(TextOf(FromSerialNumber(row.Serial)), TextOf(value)) << row.Text;
    }
    for (const double outside :
         {2958466.0, -657435.0, 1e20, -1e20, 1e300, kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(TextOf(FromSerialNumber(outside)), "none") << outside;
    }
}

TEST(MakeDateTime, KeepsToTheRange) {
    const sys_seconds first{kFirstDay};
    const sys_seconds last = sys_seconds{kLastDay} + seconds{86399};
    EXPECT_EQ(TextOf(MakeDateTime(first)), "01/01/0100");
    EXPECT_EQ(TextOf(MakeDateTime(last)), "31/12/9999 23:59:59");
    EXPECT_EQ(TextOf(MakeDateTime(first - seconds{1})), "none");
    EXPECT_EQ(TextOf(MakeDateTime(last + seconds{1})), "none");
}

TEST(TimeOfDayOnly, MovesTheClockTimeToTheZeroDate) {
    EXPECT_EQ(DateTimeText(TimeOfDayOnly(At({1899, 12, 31}, 3920))), "01:05:20");
    EXPECT_EQ(DateTimeText(TimeOfDayOnly(At({1899, 12, 29}, 23 * 3600))), "23:00:00");
    EXPECT_EQ(DateTimeText(TimeOfDayOnly(At({100, 1, 1}, 59))), "00:00:59");
    EXPECT_EQ(DateTimeText(TimeOfDayOnly(At({2000, 5, 11}))), "00:00:00");
}

TEST(CalcValue, ReadsAsDateTime) {
    const std::pair<CalcValue, const char*> rows[] = {{CalcValue{}, "00:00:00"},
                                                      {CalcValue{9.0}, "08/01/1900"},
                                                      {CalcValue{0.5}, "12:00:00"},
                                                      {CalcValue{-1.0}, "29/12/1899"},
                                                      {CalcValue{1e20}, "none"},
                                                      {CalcValue{-1e20}, "none"},
                                                      {CalcValue{kInfinity}, "none"},
                                                      {CalcValue{std::string("11/05/2000")}, "11/05/2000"},
                                                      {CalcValue{std::string("11:05:20")}, "11:05:20"},
                                                      {CalcValue{std::string("11 Years: 4 Months: 28 Days")}, "none"},
                                                      {CalcValue{std::string()}, "none"},
                                                      {CalcValue{At({2000, 5, 11}, 60)}, "11/05/2000 00:01:00"}};
    for (const auto& [value, expected] : rows) {
        EXPECT_EQ(TextOf(ReadAsDateTime(value)), expected) << testing::PrintToString(value);
    }
}

TEST(CalcValue, NumberOfEachKind) {
    EXPECT_EQ(NumberOf(CalcValue{}), 0.0);
    EXPECT_EQ(NumberOf(CalcValue{2.5}), 2.5);
    EXPECT_EQ(NumberOf(CalcValue{std::string("11/05/2000")}), 11.0);
    EXPECT_EQ(NumberOf(CalcValue{std::string()}), 0.0);
    EXPECT_EQ(NumberOf(CalcValue{At({1900, 1, 8})}), 9.0);
    EXPECT_EQ(NumberOf(CalcValue{At(kCivilZero, 43200)}), 0.5);
}

}  // namespace
