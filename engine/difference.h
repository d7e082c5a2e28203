#pragma once

#include "date_time.h"
#include "display_facts.h"

#include <string>

// The difference of two dates as "11 Years: 4 Months: 28 Days", in either order of a and b.
// Counts are taken on the calendar dates; Months stays below 12.
std::string DateDifference(DateTime a, DateTime b);

// The difference of two times as "8 Hours: 5 Minutes: 3 Seconds " (with the trailing blank), in
// either order, never wrapping around midnight. Minutes and Seconds stay below 60.
std::string TimeDifference(DateTime a, DateTime b);

// What a difference of first and second means beyond its text: for dates, both as read and the
// days and weekdays between them; for times, the seconds between them.
DisplayFacts DateDifferenceFactsOf(DateTime first, DateTime second);
DisplayFacts TimeDifferenceFactsOf(DateTime first, DateTime second);
