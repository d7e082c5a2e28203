#include "calendar.h"

#include <algorithm>

using namespace std::chrono;

namespace {

// Every move of more than this many seconds leaves the range (about 9,900 years), so counts are
// clamped to it before any arithmetic that could overflow.
constexpr std::int64_t kLongestSpan = std::int64_t{400'000'000'000};

std::optional<DateTime> AddSpan(DateTime from, std::int64_t count, std::int64_t secondsEach) {
    const std::int64_t limit = kLongestSpan / secondsEach;
    const std::int64_t clamped = std::clamp(count, -limit, limit);
    return MakeDateTime(from.Time + seconds{clamped * secondsEach});
}

// A Monday on or before every day of the range, from which weekdays are counted.
constexpr sys_days kMondayBeforeRange{year{99} / December / Monday[last]};
static_assert(weekday{kMondayBeforeRange} == Monday && kMondayBeforeRange <= kFirstDay);

// The weekdays from kMondayBeforeRange up to the day before `day`: five in each whole week, and
// as many of the last part-week's days as fall before Saturday.
std::int64_t WeekdaysBefore(sys_days day) {
    const std::int64_t daysSince = (day - kMondayBeforeRange).count();  // [0, 3'615'931]
    return daysSince / 7 * 5 + std::min<std::int64_t>(daysSince % 7, 5);
}

}  // namespace

std::optional<DateTime> AddDays(DateTime from, std::int64_t days) { return AddSpan(from, days, 86400); }

std::optional<DateTime> AddMonths(DateTime from, std::int64_t months) {
    const year_month_day date = from.Date();
    // Months since 1 January of year 0, in the range the clamp leaves: no overflow.
    const std::int64_t monthIndex = std::int64_t{int{date.year()}} * 12 + std::int64_t{unsigned{date.month()}} - 1 +
                                    std::clamp<std::int64_t>(months, -200'000, 200'000);
    const std::int64_t targetYear = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    if (targetYear < 100 || targetYear > 9999) return std::nullopt;
    const year_month target{year{static_cast<int>(targetYear)},
                            month{static_cast<unsigned>(monthIndex - targetYear * 12 + 1)}};
    const day lastDay = year_month_day_last{target / last}.day();
    const sys_days moved{target / std::min(date.day(), lastDay)};
    return MakeDateTime(moved + from.TimeOfDay().to_duration());
}

std::optional<DateTime> AddYears(DateTime from, std::int64_t years) {
    return AddMonths(from, std::clamp<std::int64_t>(years, -20'000, 20'000) * 12);
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
