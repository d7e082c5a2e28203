#pragma once

#include <chrono>
#include <cstdint>
#include <variant>

// What the text on the display means beyond itself, handed to the window as values for it to
// word: the weekday of a date on show, the totals behind a difference, the day a moved clock
// time lands on.

// Two dates of a difference, as read and in the order entered, and the days between them.
struct DateDifferenceFacts {
    std::chrono::year_month_day First;
    std::chrono::year_month_day Second;
    std::int64_t TotalDays;  // midnights passed, the count the difference itself uses; >= 0
    std::int64_t Weekdays;   // Mondays to Fridays from the earlier date up to the day before the later
    // The counts the difference's text shows, for a window that words it itself.
    std::int64_t Years;   // >= 0
    std::int64_t Months;  // [0, 11]
    std::int64_t Days;    // [0, 30]
};

struct TimeDifferenceFacts {
    std::int64_t TotalSeconds;  // >= 0
    std::int64_t Hours;         // >= 0, never past a day
    std::int64_t Minutes;       // [0, 59]
    std::int64_t Seconds;       // [0, 59]
};

// A clock time moved past midnight: the days from the start's date to the date it reached before
// the wrap; never 0.
struct MovedTimeFacts {
    std::int64_t DaysMoved;
};

// Nothing to tell; a date on show (a moved date, or an entry that reads as a date); a difference
// of dates or of times; a clock time moved into another day.
using DisplayFacts =
    std::variant<std::monostate, std::chrono::year_month_day, DateDifferenceFacts, TimeDifferenceFacts, MovedTimeFacts>;
