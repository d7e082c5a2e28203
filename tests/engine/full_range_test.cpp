// The calendar over its whole range, against the reckoning of reckoning.h: every day's short
// steps, and a million differences of each kind checked by what a difference means.
#include "calendar.h"
#include "difference.h"
#include "reckoning.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

std::optional<DateTime> InRange(Civil c) {
    if (c.Year < 100 || c.Year > 9999) return std::nullopt;
    return At(c);
}

TEST(FullRange, EveryDayStepsLikeTheReckoning) {
    const std::vector<Civil>& days = AllDays();
    std::int64_t checked = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const Civil day = days[i];
        const DateTime from = At(day);
        const std::optional<DateTime> next = i + 1 < days.size() ? std::optional{At(days[i + 1])} : std::nullopt;
        const std::optional<DateTime> previous = i > 0 ? std::optional{At(days[i - 1])} : std::nullopt;
        ASSERT_EQ(AddDays(from, 1), next) << CivilText(day);
        ASSERT_EQ(AddDays(from, -1), previous) << CivilText(day);
        for (const std::int64_t months : {1, -1, 13}) {
            ASSERT_EQ(AddMonths(from, months), InRange(AddCivilMonths(day, months))) << CivilText(day) << " " << months;
        }
        for (const std::int64_t years : {1, -1}) {
            ASSERT_EQ(AddYears(from, years), InRange(AddCivilMonths(day, 12 * years)))
                << CivilText(day) << " " << years;
        }
        checked += 7;
    }
    EXPECT_EQ(checked, 7 * 3'615'900);  // days from 01/01/0100 to 31/12/9999
}

struct Counts {
    std::int64_t Large, Middle, Small;
};

Counts Parse(const std::string& text, const char* format) {
    long long large = -1, middle = -1, small = -1;
    EXPECT_EQ(std::sscanf(text.c_str(), format, &large, &middle, &small), 3) << text;  // NOLINT(cert-err34-c)
    return {large, middle, small};
}

// Earlier moved by the three counts in turn must give Later, and no count may spill over. Days
// may reach 31 where the year step clamped a leap day: 29/02/2160 to 28/09/8598 is 6438 Years:
// 6 Months: 31 Days, since Months is lowered by Earlier's day, not by the anchor's.
TEST(FullRange, DateDifferencesAddBackToLater) {
    const std::vector<Civil>& days = AllDays();
    std::mt19937_64 random(2000);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<std::size_t> anyDay(0, days.size() - 1);
    std::uniform_int_distribution<std::size_t> within(0, 800);
    for (int pair = 0; pair < 1'000'000; ++pair) {
        const std::size_t a = anyDay(random);
        // Half the pairs lie within a few years of each other, where month ends matter most.
        const std::size_t b = pair % 2 == 0 ? anyDay(random) : std::min(a + within(random), days.size() - 1);
        const DateTime first = At(days[a]);
        const DateTime second = At(days[b]);
        const std::string text = DateDifference(first, second);
        const Counts c = Parse(text, "%lld Years: %lld Months: %lld Days");
        ASSERT_TRUE(c.Large >= 0 && c.Middle >= 0 && c.Middle < 12 && c.Small >= 0 && c.Small <= 31)
            << CivilText(days[a]) << " to " << CivilText(days[b]) << ": " << text;
        const DateTime earlier = std::min(first, second);
        std::optional<DateTime> moved = AddYears(earlier, c.Large);
        if (moved) moved = AddMonths(*moved, c.Middle);
        if (moved) moved = AddDays(*moved, c.Small);
        ASSERT_EQ(moved, std::max(first, second)) << CivilText(days[a]) << " to " << CivilText(days[b]) << ": " << text;
    }
}

TEST(FullRange, TimeDifferencesAddBackToLater) {
    std::mt19937_64 random(2359);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<int> anySecond(0, 86399);
    for (int pair = 0; pair < 1'000'000; ++pair) {
        const DateTime first = At(kCivilZero, anySecond(random));
        const DateTime second = At(kCivilZero, anySecond(random));
        const std::string text = TimeDifference(first, second);
        const Counts c = Parse(text, "%lld Hours: %lld Minutes: %lld Seconds ");
        ASSERT_TRUE(c.Large >= 0 && c.Large < 24 && c.Middle >= 0 && c.Middle < 60 && c.Small >= 0 && c.Small < 60)
            << text;
        std::optional<DateTime> moved = AddHours(std::min(first, second), c.Large);
        if (moved) moved = AddMinutes(*moved, c.Middle);
        if (moved) moved = AddSeconds(*moved, c.Small);
        ASSERT_EQ(moved, std::max(first, second)) << ClockText(anySecond(random)) << ": " << text;
    }
}

}  // namespace
