#include "calendar.h"
#include "date_time.h"
#include "key_sequence.h"
#include "reckoning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

namespace {

using Step = std::optional<DateTime> (*)(DateTime, std::int64_t);
using Count = std::int64_t (*)(DateTime, DateTime);

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

DateTime Read(const char* text) {
    const std::optional<DateTime> value = DateTimeValue(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(DateTime{});
}

std::string TextOf(const std::optional<DateTime>& value) { return value ? DateTimeText(*value) : "none"; }

TEST(Calendar, Steps) {
    struct Row {
        const char* Name;
        Step Run;
        const char* From;
        std::int64_t Count;
        const char* Expected;
    };
    const Row rows[] = {
        {"day into the next year", AddDays, "31/12/1899", 1, "01/01/1900"},
        {"day back into leap day", AddDays, "01/03/2000", -1, "29/02/2000"},
        {"days keep the time", AddDays, "11/05/2000 11:05:20", 3, "14/05/2000 11:05:20"},
        {"month clamps", AddMonths, "31/01/2001", 1, "28/02/2001"},
        {"month clamps in leap year", AddMonths, "31/01/2000", 1, "29/02/2000"},
        {"months back across a year", AddMonths, "31/03/2001", -13, "29/02/2000"},
        {"months keep the time", AddMonths, "31/01/2001 23:59:59", 1, "28/02/2001 23:59:59"},
        {"year from leap day", AddYears, "29/02/2000", 1, "28/02/2001"},
        {"four years from leap day", AddYears, "29/02/2000", 4, "29/02/2004"},
        {"century back from leap day", AddYears, "29/02/2000", -100, "28/02/1900"},
        {"hours past midnight", AddHours, "23:00:00", 2, "31/12/1899 01:00:00"},
        {"hours back past midnight", AddHours, "01:00:00", -2, "29/12/1899 23:00:00"},
        {"minutes", AddMinutes, "11:05:20", 90, "12:35:20"},
        {"minute back past midnight", AddMinutes, "00:00:00", -1, "29/12/1899 23:59:00"},
        {"second to midnight", AddSeconds, "23:59:59", 1, "31/12/1899"},
        {"second back past midnight", AddSeconds, "01/01/2000", -1, "31/12/1999 23:59:59"},
        {"nothing on the last day", AddDays, "31/12/9999", 0, "31/12/9999"},
        {"day after the range", AddDays, "31/12/9999", 1, "none"},
        {"day before the range", AddDays, "01/01/0100", -1, "none"},
        {"month after the range", AddMonths, "15/12/9999", 1, "none"},
        {"month before the range", AddMonths, "15/01/0100", -1, "none"},
        {"year after the range", AddYears, "11/05/9999", 1, "none"},
        {"second after the range", AddSeconds, "31/12/9999 23:59:59", 1, "none"},
        {"hour before the range", AddHours, "01/01/0100", -1, "none"},
    };
    for (const Row& row : rows) EXPECT_EQ(TextOf(row.Run(Read(row.From), row.Count)), row.Expected) << row.Name;

    // Counts that no date survives give no value rather than overflowing on the way.
    for (const Step step : {AddDays, AddMonths, AddYears, AddHours, AddMinutes, AddSeconds}) {
        for (const std::int64_t count : {kMax, kMin, kMax / 12, kMin / 12, kMax / 86400, kMin / 86400}) {
            EXPECT_EQ(TextOf(step(Read("11/05/2000 11:05:20"), count)), "none") << count;
        }
    }
}

TEST(Calendar, CountsAreMarksPassed) {
    struct Row {
        const char* Name;
        Count Run;
        const char* From;
        const char* To;
        std::int64_t Expected;
    };
    const Row rows[] = {
        {"days", DayCount, "11/09/2011", "09/10/2011", 28},
        {"days backwards", DayCount, "09/10/2011", "11/09/2011", -28},
        {"midnight passed", DayCount, "11/05/2000 23:59:59", "12/05/2000", 1},
        {"no midnight passed", DayCount, "11/05/2000", "11/05/2000 23:59:59", 0},
        {"months", MonthCount, "11/05/2011", "09/10/2011", 5},
        {"first of month passed", MonthCount, "31/01/2001", "01/02/2001", 1},
        {"months backwards", MonthCount, "09/10/2011", "11/05/2010", -17},
        {"new year passed", YearCount, "31/12/2000", "01/01/2001", 1},
        {"no new year passed", YearCount, "01/01/2000", "31/12/2000", 0},
        {"years backwards", YearCount, "01/01/2001", "31/12/2000", -1},
        {"hours", HourCount, "11:05:20", "19:10:23", 8},
        {"hour mark passed", HourCount, "10:59:59", "11:00:00", 1},
        {"no hour mark passed", HourCount, "11:00:00", "11:59:59", 0},
        {"hours backwards", HourCount, "11:00:00", "10:59:59", -1},
        {"hours across midnight", HourCount, "11/05/2000 23:30:00", "12/05/2000 00:30:00", 1},
        {"minutes", MinuteCount, "19:05:20", "19:10:23", 5},
        {"minute mark passed", MinuteCount, "11:05:50", "11:06:10", 1},
        {"minutes backwards", MinuteCount, "11:06:10", "11:05:50", -1},
        {"seconds", SecondCount, "11:05:50", "11:06:10", 20},
        {"seconds across days", SecondCount, "11/05/2000 23:59:59", "12/05/2000 00:00:01", 2},
    };
    for (const Row& row : rows) EXPECT_EQ(row.Run(Read(row.From), Read(row.To)), row.Expected) << row.Name;
}

TEST(Calendar, StepsAgreeWithDayByDayReckoning) {
    const std::vector<Civil>& days = AllDays();
    const auto dayCount = static_cast<std::int64_t>(days.size());
    std::mt19937_64 random(100);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<std::int64_t> anyDay(0, dayCount - 1);
    std::uniform_int_distribution<int> anySecond(0, 86399);
    std::uniform_int_distribution<std::int64_t> anyDays(-4'000'000, 4'000'000);
    std::uniform_int_distribution<std::int64_t> anyMonths(-125'000, 125'000);
    const auto expected = [](Civil day, int second) -> std::optional<DateTime> {
        if (day.Year < 100 || day.Year > 9999) return std::nullopt;
        return At(day, second);
    };
    for (int i = 0; i < 100'000; ++i) {
        const std::int64_t index = anyDay(random);
        const int second = anySecond(random);
        const Civil day = days[static_cast<std::size_t>(index)];
        const DateTime from = At(day, second);
        // Every other step is short, so that results mostly stay in range.
        const std::int64_t scale = i % 2 == 0 ? 1 : 1000;
        const std::int64_t dayStep = anyDays(random) / scale;
        const std::int64_t monthStep = anyMonths(random) / scale;
        const std::int64_t target = index + dayStep;
        const std::optional<DateTime> afterDays =
            target >= 0 && target < dayCount ? std::optional{At(days[static_cast<std::size_t>(target)], second)}
                                             : std::nullopt;
        ASSERT_EQ(AddDays(from, dayStep), afterDays) << DateTimeText(from) << " + days " << dayStep;
        ASSERT_EQ(AddMonths(from, monthStep), expected(AddCivilMonths(day, monthStep), second))
            << DateTimeText(from) << " + months " << monthStep;
        const std::int64_t yearStep = monthStep / 12;
        ASSERT_EQ(AddYears(from, yearStep), expected(AddCivilMonths(day, 12 * yearStep), second))
            << DateTimeText(from) << " + years " << yearStep;
    }
}

TEST(Calendar, CountsAgreeWithReckoning) {
    const std::vector<Civil>& days = AllDays();
    std::mt19937_64 random(9999);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<std::size_t> anyDay(0, days.size() - 1);
    std::uniform_int_distribution<std::size_t> nearby(0, 3);
    std::uniform_int_distribution<int> anySecond(0, 86399);
    for (int i = 0; i < 100'000; ++i) {
        const std::size_t first = anyDay(random);
        const std::size_t second = i % 2 == 0 ? anyDay(random) : std::min(first + nearby(random), days.size() - 1);
        const Civil a = days[first];
        const Civil b = days[second];
        const int secondA = anySecond(random);
        const int secondB = anySecond(random);
        const DateTime from = At(a, secondA);
        const DateTime to = At(b, secondB);
        // Seconds since 01/01/0001: every count is a difference of such marks, floored.
        const std::int64_t t0 = DayNumber(a) * 86400 + secondA;
        const std::int64_t t1 = DayNumber(b) * 86400 + secondB;
        ASSERT_EQ(YearCount(from, to), b.Year - a.Year);
        ASSERT_EQ(MonthCount(from, to), 12 * (b.Year - a.Year) + b.Month - a.Month);
        ASSERT_EQ(DayCount(from, to), DayNumber(b) - DayNumber(a));
        ASSERT_EQ(HourCount(from, to), t1 / 3600 - t0 / 3600) << DateTimeText(from) << " to " << DateTimeText(to);
        ASSERT_EQ(MinuteCount(from, to), t1 / 60 - t0 / 60) << DateTimeText(from) << " to " << DateTimeText(to);
        ASSERT_EQ(SecondCount(from, to), t1 - t0);
    }
}

}  // namespace
