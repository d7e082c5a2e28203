#pragma once

#include "date_time.h"

#include <cstdint>
#include <optional>

// Moves that leave the supported range give an empty optional.
std::optional<DateTime> AddDays(DateTime from, std::int64_t days);
// A day the target month lacks becomes its last day: 31/01/2001 plus 1 month is 28/02/2001.
std::optional<DateTime> AddMonths(DateTime from, std::int64_t months);
std::optional<DateTime> AddYears(DateTime from, std::int64_t years);
std::optional<DateTime> AddHours(DateTime from, std::int64_t hours);
std::optional<DateTime> AddMinutes(DateTime from, std::int64_t minutes);
std::optional<DateTime> AddSeconds(DateTime from, std::int64_t seconds);

// Counts of marks passed from a to b (1 January midnights, first-of-month midnights, midnights,
// full hours, full minutes, full seconds of the clock), negative when b lies before a. They are
// not counts of elapsed units: from 11:05:50 to 11:06:10 one minute mark is passed.
std::int64_t YearCount(DateTime a, DateTime b);
std::int64_t MonthCount(DateTime a, DateTime b);
std::int64_t DayCount(DateTime a, DateTime b);
std::int64_t HourCount(DateTime a, DateTime b);
std::int64_t MinuteCount(DateTime a, DateTime b);
std::int64_t SecondCount(DateTime a, DateTime b);

// Mondays to Fridays from the calendar date of a up to the day before that of b: the weekdays
// among the days DayCount counts. Negative when b lies before a.
std::int64_t WeekdayCount(DateTime a, DateTime b);
