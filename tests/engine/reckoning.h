#pragma once

// A calendar reckoned apart from the engine's, month lengths and leap years by hand, so that the
// engine's calendar is checked against something it does not share.

#include "date_time.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

struct Civil {
    int Year;   // [100, 9999]
    int Month;  // [1, 12]
    int Day;    // [1, DaysInMonth]
    // clang-tidy 14 misreads the defaulted comparison as a null pointer constant.
    friend auto operator<=>(const Civil&, const Civil&) = default;  // NOLINT(modernize-use-nullptr)
};

inline constexpr Civil kCivilZero{1899, 12, 30};

constexpr bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

constexpr int DaysInMonth(int year, int month) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

constexpr Civil NextDay(Civil c) {
    if (c.Day < DaysInMonth(c.Year, c.Month)) return {c.Year, c.Month, c.Day + 1};
    if (c.Month < 12) return {c.Year, c.Month + 1, 1};
    return {c.Year + 1, 1, 1};
}

// Every day from 01/01/0100 to 31/12/9999, walked one at a time; index 0 is 01/01/0100.
inline const std::vector<Civil>& AllDays() {
    static const std::vector<Civil> days = [] {
        std::vector<Civil> walk;
        walk.reserve(3'615'900);
        for (Civil c{100, 1, 1}; c.Year <= 9999; c = NextDay(c)) walk.push_back(c);
        return walk;
    }();
    return days;
}

// The year may leave [100, 9999]; callers check.
constexpr Civil AddCivilMonths(Civil c, std::int64_t months) {
    const std::int64_t total = std::int64_t{c.Year} * 12 + (c.Month - 1) + months;
    const auto year = static_cast<int>(total >= 0 ? total / 12 : (total - 11) / 12);
    const auto month = static_cast<int>(total - std::int64_t{year} * 12) + 1;
    const int last = DaysInMonth(year, month);
    return {year, month, c.Day < last ? c.Day : last};
}

inline std::string Padded(int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    return std::string(width - std::min(width, digits.size()), '0') + digits;
}

inline std::string CivilText(Civil c) { return Padded(c.Day, 2) + "/" + Padded(c.Month, 2) + "/" + Padded(c.Year, 4); }

inline std::string ClockText(int seconds) {
    return Padded(seconds / 3600, 2) + ":" + Padded(seconds / 60 % 60, 2) + ":" + Padded(seconds % 60, 2);
}

// The engine's value for a day and a clock time, built with the standard library only.
inline DateTime At(Civil c, int seconds = 0) {
    using namespace std::chrono;
    const sys_days day{year{c.Year} / c.Month / c.Day};
    return DateTime{sys_seconds{day} + std::chrono::seconds{seconds}};
}
