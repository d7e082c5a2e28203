#include "number_text.h"
#include "key_sequence.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(NumberText, FifteenDigitsAndEForms) {
    const std::pair<double, const char*> rows[] = {{0.0, "0"},
                                                   {-0.0, "0"},
                                                   {0.5, "0.5"},
                                                   {-0.25, "-0.25"},
                                                   {7.0, "7"},
                                                   {-7.0, "-7"},
                                                   {100.0, "100"},
                                                   {123.456, "123.456"},
                                                   {0.1 + 0.2, "0.3"},
                                                   {2.0 / 3.0, "0.666666666666667"},
                                                   {123456.7890123456, "123456.789012346"},
                                                   {123456789012345.0, "123456789012345"},
                                                   {-123456789012345.0, "-123456789012345"},
                                                   {999999999999999.0, "999999999999999"},
                                                   {1e15, "1E+15"},
                                                   {-1e15, "-1E+15"},
                                                   {1234567890123456.0, "1.23456789012346E+15"},
                                                   {1e100, "1E+100"},
                                                   {1.7976931348623157e308, "1.79769313486232E+308"},
                                                   {0.0001, "0.0001"},
                                                   {0.00012345, "0.00012345"},
                                                   {9.99e-5, "9.99E-05"},
                                                   {1e-5, "1E-05"},
                                                   {1.5e-7, "1.5E-07"},
                                                   {-1.5e-7, "-1.5E-07"},
                                                   {1.5e-300, "1.5E-300"},
                                                   {5e-324, "4.94065645841247E-324"}};
    for (const auto& [number, text] : rows) EXPECT_EQ(NumberText(number), text) << text;
}

TEST(NumberText, CutToDisplayKeepsTheMagnitude) {
    const std::pair<const char*, const char*> rows[] = {
        {"5", "5"},
        {"123456789012345", "123456789012345"},
        {"1E+15", "1E+15"},
        {"0.666666666666667", "0.6666666666666"},  // cut, not rounded
        {"-0.666666666666667", "-0.666666666666"},
        {"1524157.87501905", "1524157.8750190"},
        {"-12345678901234.5", "-12345678901234"},
        {"1.23456789012346E+20", "1.23456789E+20"},  // mantissa digits go, then its trailing zeros
        {"-1.23456789012346E+20", "-1.23456789E+20"},
        {"3.33333333333333E-07", "3.333333333E-07"},
        {"1.79769313486232E+308", "1.79769313E+308"},
        {"1.00000000000001E+20", "1E+20"},
        {"-123456789012345", "-1.23456789E+14"},  // a fixed cut would lose an integer digit
        {"-999999999999999", "-9.99999999E+14"}};
    for (const auto& [text, shown] : rows) EXPECT_EQ(CutToDisplay(text), shown) << text;
}

TEST(NumericValue, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> rows[] = {
        {"11/05/2000", 11}, {"11:05:20", 11},  {"12 Years: 4 Months: 28 Days", 12},
        {"0.", 0},          {"05", 5},         {"", 0},
        {"-", 0},           {"abc", 0},        {"ERROR", 0},
        {" - 1 2", -12},    {"  42abc", 42},   {"+7", 7},
        {"-0.25", -0.25},   {".5", 0.5},       {"0.1", 0.1},
        {"1.2.3", 1.2},     {"1E3", 1000},     {"1D3", 1000},
        {"2 E 2", 200},     {"1E-2", 0.01},    {"1.5E-07", 1.5e-7},
        {"1E+15", 1e15},    {"1E+300", 1e300}, {"7E", 7}};
    for (const auto& [text, number] : rows) EXPECT_DOUBLE_EQ(NumericValue(text), number) << '"' << text << '"';
}

TEST(NumericValue, BeyondDoubleIsInfinite) {
    EXPECT_EQ(NumericValue(Digits(400)), HUGE_VAL);
    EXPECT_EQ(NumericValue("-" + Digits(400)), -HUGE_VAL);
    EXPECT_EQ(NumericValue("1E400"), HUGE_VAL);
    EXPECT_EQ(NumericValue(Digits(100000)), HUGE_VAL);
}

}  // namespace
