#pragma once

#include <chrono>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

// A calendar date with a time of day in whole seconds, between 01/01/0100 00:00:00 and
// 31/12/9999 23:59:59. A value on the zero date 30/12/1899 stands for a bare clock time.
struct DateTime {
    std::chrono::sys_seconds Time;

    // clang-tidy 14 misreads the defaulted comparison as a null pointer constant.
    friend constexpr auto operator<=>(const DateTime&, const DateTime&) = default;  // NOLINT(modernize-use-nullptr)

    std::chrono::year_month_day Date() const;
    std::chrono::hh_mm_ss<std::chrono::seconds> TimeOfDay() const;
};

inline constexpr std::chrono::sys_days kZeroDate = std::chrono::sys_days{std::chrono::year{1899} / 12 / 30};
inline constexpr std::chrono::sys_days kFirstDay = std::chrono::sys_days{std::chrono::year{100} / 1 / 1};
inline constexpr std::chrono::sys_days kLastDay = std::chrono::sys_days{std::chrono::year{9999} / 12 / 31};

// Empty when the instant lies outside the supported range.
std::optional<DateTime> MakeDateTime(std::chrono::sys_seconds time);

// Reads dd/mm/yyyy, hh:mm[:ss] or both separated by one blank; empty when the text is none of them
// or names a day, month or clock time that does not exist.
std::optional<DateTime> DateTimeValue(std::string_view text);

// dd/mm/yyyy at midnight, hh:mm:ss on the zero date, otherwise both with one blank between.
std::string DateTimeText(DateTime value);

// Like DateTimeText, but the date is always written: in Date mode a result on the zero date is a
// date (30/12/1899), not the clock time 00:00:00.
std::string DateText(DateTime value);

// The numeric reading of a value: days since the zero date, the time of day as the fraction.
double SerialNumber(DateTime value);

// The value whose numeric reading is `days`, rounded to the second; empty outside the range.
std::optional<DateTime> FromSerialNumber(double days);

// The value on the zero date with the clock time of `value`.
DateTime TimeOfDayOnly(DateTime value);
