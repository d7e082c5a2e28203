#include "difference.h"

#include "calendar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <tuple>

namespace {

// A difference counts the largest unit's marks from Earlier to Later, lowered by one when
// Earlier's place within that unit comes after Later's; then the middle unit from the anchor so
// reached, lowered likewise; then the smallest unit. Every count is at least 0, and moving
// Earlier by the three counts in turn gives Later.
struct DifferenceUnits {
    std::int64_t (*CountLarge)(DateTime, DateTime);
    std::optional<DateTime> (*AddLarge)(DateTime, std::int64_t);
    bool (*LowersLarge)(DateTime earlier, DateTime later);
    std::int64_t (*CountMiddle)(DateTime, DateTime);
    std::optional<DateTime> (*AddMiddle)(DateTime, std::int64_t);
    bool (*LowersMiddle)(DateTime earlier, DateTime later);
    std::int64_t (*CountSmall)(DateTime, DateTime);
    const char* LargeName;
    const char* MiddleName;
    const char* SmallName;
};

std::array<std::int64_t, 3> Counts(DateTime a, DateTime b, const DifferenceUnits& units) {
    const DateTime earlier = a < b ? a : b;
    const DateTime later = a < b ? b : a;
    const std::int64_t large = units.CountLarge(earlier, later) - (units.LowersLarge(earlier, later) ? 1 : 0);
    // Both anchors lie between Earlier and Later, so they are in range.
    const DateTime anchor = *units.AddLarge(earlier, large);
    const std::int64_t middle = units.CountMiddle(anchor, later) - (units.LowersMiddle(earlier, later) ? 1 : 0);
    const DateTime anchor2 = *units.AddMiddle(anchor, middle);
    return {large, middle, units.CountSmall(anchor2, later)};
}

std::string Text(const std::array<std::int64_t, 3>& counts, const DifferenceUnits& units) {
    const auto [large, middle, small] = counts;
    return std::to_string(large) + units.LargeName + std::to_string(middle) + units.MiddleName + std::to_string(small) +
           units.SmallName;
}

constexpr DifferenceUnits kDateUnits{
    YearCount,
    AddYears,
    [](DateTime e, DateTime l) {
        return std::tuple{e.Date().month(), e.Date().day()} > std::tuple{l.Date().month(), l.Date().day()};
    },
    MonthCount,
    AddMonths,
    [](DateTime e, DateTime l) { return e.Date().day() > l.Date().day(); },
    DayCount,
    " Years: ",
    " Months: ",
    " Days",
};

constexpr DifferenceUnits kTimeUnits{
    HourCount,
    AddHours,
    [](DateTime e, DateTime l) {
        return std::tuple{e.TimeOfDay().minutes(), e.TimeOfDay().seconds()} >
               std::tuple{l.TimeOfDay().minutes(), l.TimeOfDay().seconds()};
    },
    MinuteCount,
    AddMinutes,
    [](DateTime e, DateTime l) { return e.TimeOfDay().seconds() > l.TimeOfDay().seconds(); },
    SecondCount,
    " Hours: ",
    " Minutes: ",
    " Seconds ",
};

}  // namespace

DifferenceResult DateDifference(DateTime first, DateTime second) {
    const DateTime earlier = std::min(first, second), later = std::max(first, second);
    const auto counts = Counts(first, second, kDateUnits);
    const auto [years, months, days] = counts;
    return {Text(counts, kDateUnits), DateDifferenceFacts{first.Date(), second.Date(), DayCount(earlier, later),
                                                          WeekdayCount(earlier, later), years, months, days}};
}

DifferenceResult TimeDifference(DateTime first, DateTime second) {
    const auto counts = Counts(first, second, kTimeUnits);
    const auto [hours, minutes, seconds] = counts;
    return {Text(counts, kTimeUnits), TimeDifferenceFacts{SecondCount(std::min(first, second), std::max(first, second)),
                                                          hours, minutes, seconds}};
}

DatePlace PlaceOf(std::chrono::year_month_day date, std::chrono::year_month_day today) {
    using namespace std::chrono;
    const sys_days day{date};
    // A week runs Monday to Sunday and belongs to the year of its Thursday.
    const sys_days thursday = day - (weekday{day} - Monday) + days{3};
    const year weekYear = year_month_day{thursday}.year();
    DatePlace place{
        .FromToday = std::nullopt,
        .WeekYear = int{weekYear},
        .Week = static_cast<int>((thursday - sys_days{weekYear / January / 1}).count() / 7 + 1),
        .DayOfYear = static_cast<int>((day - sys_days{date.year() / January / 1}).count() + 1),
        .DaysInYear = date.year().is_leap() ? 366 : 365,
    };
    const auto from = MakeDateTime(sys_days{today}), to = MakeDateTime(day);
    if (from && to) {
        const auto [years, months, daysLeft] = Counts(*from, *to, kDateUnits);
        place.FromToday = DateFromToday{DayCount(*from, *to), years, months, daysLeft};
    }
    return place;
}
