#pragma once

#include <string>
#include <string_view>

// The number at the start of a text: blanks are skipped, then a sign, digits with at most one
// ".", and an exponent ("E" or "D") are read up to the first other character. No number gives 0;
// a magnitude beyond double gives an infinity, which callers must not show.
double NumericValue(std::string_view text);

// At most 15 significant digits, "." as the point, E notation (1E+15, 1.5E-07) from 1E15 up and
// below 1E-4. Negative zero gives "0". Only for finite numbers.
std::string NumberText(double x);

// The display keeps 15 characters of a result. An E form loses mantissa digits rather than its
// exponent, and so does a fixed form that would lose integer digits.
std::string CutToDisplay(std::string text);
