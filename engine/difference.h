#pragma once

#include "date_time.h"
#include "display_facts.h"

#include <string>

// A difference as the display shows it, and what it means beyond its text.
struct DifferenceResult {
    std::string Text;
    DisplayFacts Facts;
};

// The difference of two dates as "11 Years: 4 Months: 28 Days", in either order; counts are taken
// on the calendar dates and Months stays below 12. Its facts: both dates as read, in the order
// given, the days and weekdays between them, and the three counts.
DifferenceResult DateDifference(DateTime first, DateTime second);

// The difference of two times as "8 Hours: 5 Minutes: 3 Seconds " (with the trailing blank), in
// either order, never wrapping around midnight; Minutes and Seconds stay below 60. Its facts: the
// seconds between them and the three counts.
DifferenceResult TimeDifference(DateTime first, DateTime second);

// Where `date` lies: its distance from `today` in days and as a date difference counts it, its
// ISO 8601 week and its day of the year. Both dates lie in 01/01/0100 to 31/12/9999, or there is
// no distance.
DatePlace PlaceOf(std::chrono::year_month_day date, std::chrono::year_month_day today);
