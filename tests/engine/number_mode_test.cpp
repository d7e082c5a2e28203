#include "key_sequence.h"

namespace {

const std::string kBig(200, '9');   // 1E200: its square overflows
const std::string kHuge(400, '9');  // beyond a double: reads as infinity

const std::vector<SequenceRow> kNumberRows = {
    {"every digit, leading zero kept", "Number", "01234567890", "01234567890"},
    {"equals with nothing pending", "Number", "= 12 =", "0|12|12"},
    {"point starts fresh", "Number", "2 + 3 = . 5 + . 5 =", ".|.5|.5|.|.5|1"},
    {"second point refused with the signal", "Number", "3 . . 5 . + . .", "3.!|3.5|3.5!|3.5|.|.!"},
    {"equals repeats, an operator after it starts anew", "Number", "64 / 2 = = - 3 = = 7", "32|16|16|3|13|10|7"},
    {"equals takes the shown first operand", "Number", "5 + = =", "10|15"},
    {"chained operators", "Number", "1 + 2 + 3 X 4 - 5 =", "1|2|3|3|6|4|24|5|19"},
    {"operator after operator replaces it", "Number", "5 + X 2 =", "10"},
    {"chained operator takes the shown result", "Number", "1 / 3 + 1 - =", "0.3333333333333|1|1.3333333333333|0"},
    {"chain cuts the result like equals", "Number", "1 / 3 X 3 =", "0.9999999999999"},
    {"percent, then a chain", "Number", "200 + 10 % + 1 =", "20|220|1|221"},
    {"percent shown whole", "Number", "123456789 + 1.23456789 %", "1524157.87501905"},
    {"sign toggles", "Number", "12 +/- +/- +/- X 3 =", "-12|12|-12|-12|3|-36"},
    {"sign and backspace on empty entry", "Number", "+/- Backspace", "|"},
    {"reciprocal cut, of zero an error", "Number", "3 1/x C 0 1/x 5", "0.3333333333333||0|ERROR|5"},
    {"square root cut, of a negative an error", "Number", "2 sqrt C 0 sqrt C 4 +/- sqrt",
     "1.4142135623731||0|0||4|-4|ERROR"},
    {"square root of result feeds repeat", "Number", "2 + 7 = sqrt =", "9|3|10"},
    {"backspace on result feeds repeat", "Number", "12 + 3 = Backspace =", "15|1|4"},
    {"backspace stores the shortened entry", "Number", "7 + 2 = 0.5 Backspace Backspace =", "0.|0.|2"},
    {"clear entry keeps operator", "Number", "5 + 3 CE 4 =", "|4|9"},
    {"editing the second operand keeps the first", "Number", "5 + 49 Backspace sqrt 1/x =", "4|2|0.5|5.5"},
    {"clear all drops the operator", "Number", "5 X 3 C 2 =", "|2|2"},
    {"division by zero, then an operator", "Number", "9 / 0 = = + 3 =", "ERROR|ERROR||3|3"},
    {"chain into division by zero", "Number", "8 / 0 + 2 =", "ERROR|2|2"},
    {"error leaves the first operand", "Number", "9 / 0 = 100 %", "ERROR|100|9"},
    {"overflow leaves the first operand", "Number", kBig + " X = 100 %", "ERROR|100|1E+200"},
    {"square root of infinite entry", "Number", kHuge + " sqrt", "ERROR"},
    {"percent of infinite entry", "Number", "5 + " + kHuge + " %", "ERROR"},
    {"cut, not rounded", "Number", "2 / 3 =", "0.6666666666666"},
    {"E form cut keeps exponent", "Number", "123456789012346 X 1000000 =", "1.23456789E+20"},
    {"negative zero", "Number", "0 +/- X 5 =", "0"},
};
INSTANTIATE_TEST_SUITE_P(Number, KeySequenceTest, testing::ValuesIn(kNumberRows), RowName);

TEST(NumberMode, ClearAllKeepsOnlyTheMode) {
    CalcEngine engine;
    PressKeys(engine, "5 + 3 = X C");  // all three flags set before "C"
    EXPECT_EQ(StateOf(engine), EngineState("Number", "", 0.0, 0.0, "", false, false, false));
}

}  // namespace
