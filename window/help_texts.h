#pragma once

#include "key_table.h"

#include <algorithm>
#include <string_view>

// The usage help Label1 shows in Date and Time mode: 22 lines, each ended by a single carriage
// return except the last, never a line feed. Lines 2, 9 and 16 are empty.
inline constexpr std::string_view kDateHelp =
    "Date Format dd/mm/yyyy\r"
    "\r"
    "DIF\r"
    "11/05/2000\r"
    "Dif\r"
    "9/10/2011\r"
    "=\r"
    "11 Years: 4 Months: 28 Days\r"
    "\r"
    "SUB\r"
    "11/05/2000\r"
    "Sub\r"
    "01/00/03\r"
    "=\r"
    "10/05/1997\r"
    "\r"
    "ADD\r"
    "11/05/2000\r"
    "Add\r"
    "01/00/03\r"
    "=\r"
    "12/05/2003";

// Line 8 has no trailing blank, unlike the difference text the engine shows.
inline constexpr std::string_view kTimeHelp =
    "Time Format hh:mm:ss\r"
    "\r"
    "DIF\r"
    "11:05:20\r"
    "Dif\r"
    "19:10:23\r"
    "=\r"
    "8 Hours: 5 Minutes: 3 Seconds\r"
    "\r"
    "SUB\r"
    "11:05:20\r"
    "Sub\r"
    "01:00:03\r"
    "=\r"
    "10:05:17\r"
    "\r"
    "ADD\r"
    "11:05:20\r"
    "Add\r"
    "01:00:03\r"
    "=\r"
    "12:05:23";

inline constexpr int kHelpLineCount = 22;

static_assert(kDateHelp.size() == 166 && kTimeHelp.size() == 155);
static_assert(std::ranges::count(kDateHelp, '\r') == kHelpLineCount - 1);
static_assert(std::ranges::count(kTimeHelp, '\r') == kHelpLineCount - 1);
static_assert(std::ranges::count(kDateHelp, '\n') == 0 && std::ranges::count(kTimeHelp, '\n') == 0);

// Empty in Number mode.
constexpr std::string_view HelpText(std::string_view mode) {
    if (mode == kDateMode) return kDateHelp;
    if (mode == kTimeMode) return kTimeHelp;
    return {};
}
