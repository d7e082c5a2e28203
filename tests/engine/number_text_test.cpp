#include "number_text.h"
#include "period.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The text of a number: canonical texts come back as they are, others as the canonical form of
// their value (at most 15 significant digits, rounded; E form from 1E15 up and below 1E-4).
TEST(NumberText, FifteenDigitsAndEForms) {
    for (const char* text :
         {"0", "0.5", "-0.25", "100", "999999999999999", "1E+15", "-1E+15", "1E+100", "0.0001", "9.99E-05", "1.5E-07",
          "1E-09", "1E-10", "1.23456789012346E+15", "4.94065645841247E-324"}) {
        EXPECT_EQ(NumberText(NumericValue(text)), text);
    }
    const std::pair<double, const char*> rows[] = {{-0.0, "0"}, {0.1 + 0.2, "0.3"}, {2.0 / 3.0, "0.666666666666667"}};
    for (const auto& [number, text] : rows) EXPECT_EQ(NumberText(number), text) << text;
}

TEST(NumberText, CutToDisplayKeepsTheMagnitude) {
    const std::pair<const char*, const char*> rows[] = {
        {"123456789012345", "123456789012345"},
        {"0.666666666666667", "0.6666666666666"},
        {"-12345678901234.5", "-12345678901234"},  // the point at the cut: no E form needed
        {"-0.666666666666667", "-0.666666666666"},
        {"1.23456789012346E+20", "1.23456789E+20"},
        {"3.33333333333333E-07", "3.333333333E-07"},
        {"1.79769313486232E+308", "1.79769313E+308"},
        {"1.00000000000001E+20", "1E+20"},
        {"-123456789012345", "-1.23456789E+14"},  // a fixed cut would lose an integer digit
    };
    for (const auto& [text, shown] : rows) EXPECT_EQ(CutToDisplay(text), shown) << text;
}

TEST(NumericValue, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> rows[] = {
        {"11/05/2000", 11}, {"11:05:20", 11}, {"0.", 0},      {"", 0},     {"-", 0},          {"abc", 0},
        {" - 1 2", -12},    {"  42abc", 42},  {"+7", 7},      {".5", 0.5}, {"1.2.3", 1.2},    {"1E3", 1000},
        {"1D3", 1000},      {"2 E 2", 200},   {"1E-2", 0.01}, {"7E", 7},   {"1E+300", 1e300}, {"1E-400", 0},
        {"1E400", HUGE_VAL}};
    for (const auto& [text, number] : rows) EXPECT_EQ(NumericValue(text), number) << '"' << text << '"';
    const std::string nines(400, '9');
    EXPECT_EQ(NumericValue(nines), HUGE_VAL);
    EXPECT_EQ(NumericValue("-" + nines), -HUGE_VAL);
    EXPECT_EQ(NumericValue(std::string(100000, '9')), HUGE_VAL);
    // Out of range by its leading zeros alone, and back into range and beyond by its exponent.
    EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1E800"), HUGE_VAL);
    // Too small even with a positive exponent, of one digit and of three.
    EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1E5"), 0);
    EXPECT_EQ(NumericValue("0." + std::string(1000, '0') + "1E100"), 0);
}

TEST(PeriodCounts, SplitsIntoThreeCounts) {
    const std::tuple<const char*, const char*, std::array<double, 3>> rows[] = {
        {"01/00/03", "/", {1, 0, 3}}, {"5", "/", {0, 0, 5}},       {"5/3", "/", {5, 0, 3}},
        {"/5/", "/", {0, 5, 0}},      {"1/2/3/4", "/", {1, 2, 3}}, {"1:30", ":", {1, 0, 30}}};
    for (const auto& [text, separator, counts] : rows) EXPECT_EQ(PeriodCounts(text, separator), counts) << text;
}

}  // namespace
