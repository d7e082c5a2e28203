#pragma once

#include <array>
#include <string_view>

// Splits a period text into three counts at `separator`: 01/00/03 gives 1, 0, 3; 5 gives 0, 0, 5
// (without a separator the text is the third count); 5/3 gives 5, 0, 3.
std::array<double, 3> PeriodCounts(std::string_view text, std::string_view separator);
