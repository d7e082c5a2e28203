#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <variant>

// What the text on the display means beyond itself, handed to the window as values for it to
// word: the weekday of a date on show, the totals behind a difference, the period a date or a
// clock time is moved by and where it lands.

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

// A period as Add and Sub read it: days, months, years in Date mode; hours, minutes, seconds in
// Time mode, whole and in the order they are applied. A text without a separator is its last
// count alone ("10" is 10 years, "90" is 90 seconds).
struct PeriodFacts {
    enum class Units { DaysMonthsYears, HoursMinutesSeconds };
    Units Kind;
    std::array<std::int64_t, 3> Counts;
    bool Separated;  // the text holds the separator, so all three counts were typed
};

// A date moved by Add or Sub: the date reached and the period applied.
struct MovedDateFacts {
    std::chrono::year_month_day Reached;
    PeriodFacts Period;
    bool Subtracted;
};

// A clock time moved by Add or Sub: the period applied, and the days from the start's date to the
// date it reached before the wrap (0 when it stays within the day).
struct MovedTimeFacts {
    std::int64_t DaysMoved;
    PeriodFacts Period;
    bool Subtracted;
};

// Where a date on show lies in time, told beside every one of them: from today, and in its ISO
// 8601 week and its year. Reckoned by PlaceOf (difference.h) when the facts are worded, from the
// today handed over then, so that a window left open past midnight counts from the new day.
struct DateFromToday {
    std::int64_t Days;  // negative before today
    // As a difference counts from the earlier of the two to the later: years >= 0, months [0, 11],
    // days [0, 31].
    std::int64_t Years;
    std::int64_t Months;
    std::int64_t DaysLeft;
};

struct DatePlace {
    std::optional<DateFromToday> FromToday;  // none for a today outside 01/01/0100 to 31/12/9999
    int WeekYear;                            // the ISO week-numbering year, the year of the week's Thursday: [99, 9999]
    int Week;                                // [1, 53]
    int DayOfYear;                           // [1, 366]
    int DaysInYear;                          // 365 or 366
};

// Nothing to tell; a date on show (an entry that reads as a date); a difference of dates or of
// times; a moved date or time; a period being typed after Add or Sub.
using DisplayFacts = std::variant<std::monostate, std::chrono::year_month_day, DateDifferenceFacts, TimeDifferenceFacts,
                                  MovedDateFacts, MovedTimeFacts, PeriodFacts>;
