#pragma once

#include "calc_engine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The moment the rows are typed at: Monday, 07/12/2026 14:03:27.
inline const DateTime kNow{std::chrono::sys_days{std::chrono::year{2026} / 12 / 7} + std::chrono::seconds{50607}};

// Tokens separated by blanks: "[Date]" switches the mode, "T" types now (or shows "refused"), the caption of an enabled
// key presses that key, any other token is typed a character at a time (so "/" divides in Number mode and separates in
// Date mode). Gives the display after each token, followed by "!" where the press asks for the signal, and by the facts
// it hands back: " @Sun" for a date on show (its weekday), " #4168/2977 Thu-Sun" for a date difference (days/weekdays,
// the dates' weekdays in the order entered), " #29103s" for a time difference, " +1d" for a time moved into another
// day.
std::vector<std::string> PressKeys(CalcEngine& engine, std::string_view keys);

// Expected "a|b|c" is the display after each of the last three tokens.
struct SequenceRow {
    std::string Name, Mode, Keys, Expected;
};
// A row's test is named after it; its keys are printed where a check fails.
inline void PrintTo(const SequenceRow& row, std::ostream* out) { *out << row.Name; }
std::string RowName(const testing::TestParamInfo<SequenceRow>& info);
class KeySequenceTest : public testing::TestWithParam<SequenceRow> {};

void PrintTo(const DateTime& value, std::ostream* out);
