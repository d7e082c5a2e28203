#pragma once

#include "key_table.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <string_view>

// The usage help Label1 shows in Date and Time mode: 22 lines, joined by a single carriage return
// each, never a line feed. Lines 2, 9 and 16 are empty. A line is worded by what it is, so that a
// translation changes the words and keeps the worked examples.
enum class HelpWording {
    Fixed,           // digits and signs, the same in every language
    Message,         // a text of its own
    Caption,         // a key's caption, as the key shows it
    DateDifference,  // a difference, as the display shows it
    TimeDifference,  // likewise, without the display's trailing blank
};

struct HelpLine {
    HelpWording Wording;
    std::string_view English;
    std::array<std::int64_t, 3> Counts{};  // of a difference
};

inline constexpr int kHelpLineCount = 22;
using HelpLines = std::array<HelpLine, kHelpLineCount>;

inline constexpr HelpLines kDateHelp{{
    //: The first line of the Date help: the entry format, in the letters of the language.
    {HelpWording::Message, QT_TRANSLATE_NOOP("HelpText", "Date Format dd/mm/yyyy")},
    {HelpWording::Fixed, ""},
    //: A heading: the key caption "Dif" in upper case.
    {HelpWording::Message, QT_TRANSLATE_NOOP("HelpText", "DIF")},
    {HelpWording::Fixed, "11/05/2000"},
    {HelpWording::Caption, "Dif"},
    {HelpWording::Fixed, "9/10/2011"},
    {HelpWording::Fixed, "="},
    {HelpWording::DateDifference, "11 Years: 4 Months: 28 Days", {11, 4, 28}},
    {HelpWording::Fixed, ""},
    //: A heading: the key caption "Sub" in upper case.
    {HelpWording::Message, QT_TRANSLATE_NOOP("HelpText", "SUB")},
    {HelpWording::Fixed, "11/05/2000"},
    {HelpWording::Caption, "Sub"},
    {HelpWording::Fixed, "01/00/03"},
    {HelpWording::Fixed, "="},
    {HelpWording::Fixed, "10/05/1997"},
    {HelpWording::Fixed, ""},
    //: A heading: the key caption "Add" in upper case.
    {HelpWording::Message, QT_TRANSLATE_NOOP("HelpText", "ADD")},
    {HelpWording::Fixed, "11/05/2000"},
    {HelpWording::Caption, "Add"},
    {HelpWording::Fixed, "01/00/03"},
    {HelpWording::Fixed, "="},
    {HelpWording::Fixed, "12/05/2003"},
}};

inline constexpr HelpLines kTimeHelp{{
    //: The first line of the Time help: the entry format, in the letters of the language.
    {HelpWording::Message, QT_TRANSLATE_NOOP("HelpText", "Time Format hh:mm:ss")},
    {HelpWording::Fixed, ""},
    {HelpWording::Message, "DIF"},
    {HelpWording::Fixed, "11:05:20"},
    {HelpWording::Caption, "Dif"},
    {HelpWording::Fixed, "19:10:23"},
    {HelpWording::Fixed, "="},
    {HelpWording::TimeDifference, "8 Hours: 5 Minutes: 3 Seconds", {8, 5, 3}},
    {HelpWording::Fixed, ""},
    {HelpWording::Message, "SUB"},
    {HelpWording::Fixed, "11:05:20"},
    {HelpWording::Caption, "Sub"},
    {HelpWording::Fixed, "01:00:03"},
    {HelpWording::Fixed, "="},
    {HelpWording::Fixed, "10:05:17"},
    {HelpWording::Fixed, ""},
    {HelpWording::Message, "ADD"},
    {HelpWording::Fixed, "11:05:20"},
    {HelpWording::Caption, "Add"},
    {HelpWording::Fixed, "01:00:03"},
    {HelpWording::Fixed, "="},
    {HelpWording::Fixed, "12:05:23"},
}};

// The English text's length, carriage returns included.
constexpr std::size_t EnglishLength(const HelpLines& lines) {
    return std::accumulate(lines.begin(), lines.end(), lines.size() - 1,
                           [](std::size_t length, const HelpLine& line) { return length + line.English.size(); });
}

constexpr bool OneLineEach(const HelpLines& lines) {
    return std::ranges::none_of(
        lines, [](const HelpLine& line) { return line.English.find_first_of("\r\n") != std::string_view::npos; });
}

// A caption line names a key the mode shows, so that it reads as the key does.
constexpr bool CaptionsOnPad(const HelpLines& lines, std::string_view KeyRow::*column) {
    return std::ranges::all_of(lines, [&](const HelpLine& line) {
        return line.Wording != HelpWording::Caption ||
               std::ranges::any_of(kKeyTable, [&](const KeyRow& row) { return row.*column == line.English; });
    });
}

static_assert(EnglishLength(kDateHelp) == 166 && EnglishLength(kTimeHelp) == 155);
static_assert(OneLineEach(kDateHelp) && OneLineEach(kTimeHelp));
static_assert(CaptionsOnPad(kDateHelp, &KeyRow::Date) && CaptionsOnPad(kTimeHelp, &KeyRow::Time));

// Empty in Number mode.
constexpr std::span<const HelpLine> HelpLinesOf(std::string_view mode) {
    if (mode == kDateMode) return kDateHelp;
    if (mode == kTimeMode) return kTimeHelp;
    return {};
}
