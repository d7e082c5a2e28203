#include "calendar.h"

#include <algorithm>

using namespace std::chrono;

namespace {

// A move by `count` units of `secondsEach` seconds; one that overflows leaves the range all the
// more, and is refused before it wraps.
std::optional<DateTime> AddSpan(DateTime from, std::int64_t count, std::int64_t secondsEach) {
    std::int64_t span{}, moved{};
    if (__builtin_mul_overflow(count, secondsEach, &span) ||
        __builtin_add_overflow(from.Time.time_since_epoch().count(), span, &moved)) {
        return std::nullopt;
    }
    return MakeDateTime(sys_seconds{seconds{moved}});
}

// The months from the range's first month to its last: a longer move leaves the range, and is
// refused before the arithmetic, which then stays within what std::chrono::year holds.
constexpr std::int64_t kRangeMonths =
    (year_month{year_month_day{kLastDay}.year(), December} - year_month{year_month_day{kFirstDay}.year(), January})
        .count();
static_assert(kRangeMonths == 118'799);

// The Monday on or before the range's first day, from which weekdays are counted.
constexpr sys_days kMondayBeforeRange = kFirstDay - (weekday{kFirstDay} - Monday);
static_assert(weekday{kMondayBeforeRange} == Monday && kMondayBeforeRange <= kFirstDay);

// The weekdays from kMondayBeforeRange up to the day before `day`: five in each whole week, and
// as many of the last part-week's days as fall before Saturday.
std::int64_t WeekdaysBefore(sys_days day) {
    const std::int64_t daysSince = (day - kMondayBeforeRange).count();  // [0, 3'615'903]
    return daysSince / 7 * 5 + std::min<std::int64_t>(daysSince % 7, 5);
}

}  // namespace

std::optional<DateTime> AddDays(DateTime from, std::int64_t days) { return AddSpan(from, days, 86400); }

std::optional<DateTime> AddMonths(DateTime from, std::int64_t months) {
    if (months < -kRangeMonths || months > kRangeMonths) return std::nullopt;
    const year_month_day date = from.Date();
    const year_month target = year_month{date.year(), date.month()} + std::chrono::months{months};
    const day lastDay = year_month_day_last{target / last}.day();
    return MakeDateTime(sys_days{target / std::min(date.day(), lastDay)} + from.TimeOfDay().to_duration());
}

std::optional<DateTime> AddYears(DateTime from, std::int64_t years) {
    std::int64_t months{};
    if (__builtin_mul_overflow(years, 12, &months)) return std::nullopt;
    return AddMonths(from, months);
}

std::optional<DateTime> AddHours(DateTime from, std::int64_t hours) { return AddSpan(from, hours, 3600); }

std::optional<DateTime> AddMinutes(DateTime from, std::int64_t minutes) { return AddSpan(from, minutes, 60); }

std::optional<DateTime> AddSeconds(DateTime from, std::int64_t seconds) { return AddSpan(from, seconds, 1); }

std::int64_t YearCount(DateTime a, DateTime b) { return int{b.Date().year()} - int{a.Date().year()}; }

std::int64_t MonthCount(DateTime a, DateTime b) {
    const auto index = [](year_month_day d) { return std::int64_t{int{d.year()}} * 12 + unsigned{d.month()}; };
    return index(b.Date()) - index(a.Date());
}

std::int64_t DayCount(DateTime a, DateTime b) { return (floor<days>(b.Time) - floor<days>(a.Time)).count(); }

std::int64_t HourCount(DateTime a, DateTime b) { return (floor<hours>(b.Time) - floor<hours>(a.Time)).count(); }

std::int64_t MinuteCount(DateTime a, DateTime b) { return (floor<minutes>(b.Time) - floor<minutes>(a.Time)).count(); }

std::int64_t SecondCount(DateTime a, DateTime b) { return (b.Time - a.Time).count(); }

std::int64_t WeekdayCount(DateTime a, DateTime b) {
    return WeekdaysBefore(floor<days>(b.Time)) - WeekdaysBefore(floor<days>(a.Time));
}
