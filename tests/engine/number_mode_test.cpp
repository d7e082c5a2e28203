#include "key_sequence.h"

namespace {

const std::string kBig = Digits(200);   // 1E200: its square overflows
const std::string kHuge = Digits(400);  // beyond a double: reads as infinity

const std::vector<SequenceRow> kNumberRows = {
    // Entry
    {"equals on empty entry", "Number", "=", "0"},
    {"point on empty entry", "Number", ".", "."},
    {"first digit", "Number", "7", "7"},
    {"every digit key", "Number", "1234567890", "1234567890"},
    {"leading zeros stay", "Number", "05", "05"},
    {"point starts fresh after operator", "Number", "5 + . 5 =", ".|.5|5.5"},
    {"point starts fresh after result", "Number", "2 + 3 = . 5", ".|.5"},
    {"digit starts fresh after result", "Number", "2 + 3 = 7", "7"},
    {"operator keeps the entry on show", "Number", "12 +", "12"},
    // The four operators and repeated "="
    {"add", "Number", "2 + 3 =", "5"},
    {"subtract", "Number", "10 - 4 =", "6"},
    {"multiply", "Number", "6 X 7 =", "42"},
    {"divide", "Number", "1 / 4 =", "0.25"},
    {"equals repeats add", "Number", "2 + 3 = =", "5|8"},
    {"equals repeats subtract", "Number", "10 - 3 = = =", "7|4|1"},
    {"equals repeats divide", "Number", "64 / 2 = =", "32|16"},
    {"equals takes the shown first operand", "Number", "5 + = =", "10|15"},
    {"equals with nothing pending", "Number", "12 =", "12"},
    {"operator after equals starts anew", "Number", "2 + 3 = + 1 =", "6"},
    // Chained operators run the pending one first
    {"chained add", "Number", "1 + 2 + 4 =", "3|4|7"},
    {"chained mixed", "Number", "2 + 3 X 4 =", "5|4|20"},
    {"chained subtract", "Number", "10 - 4 - 3 =", "6|3|3"},
    {"operator after operator replaces it", "Number", "5 + X 2 =", "10"},
    {"chain after percent", "Number", "200 + 10 % + 1 =", "220|1|221"},
    {"chain into division by zero", "Number", "8 / 0 + 2", "ERROR|2"},
    // Percent, sign, reciprocal, square root
    {"percent of first operand", "Number", "200 + 10 %", "20"},
    {"percent then equals", "Number", "200 + 10 % =", "220"},
    {"percent shown whole", "Number", "123456789 + 1.23456789 %", "1524157.87501905"},
    {"sign on", "Number", "5 +/-", "-5"},
    {"sign off", "Number", "5 +/- +/-", "5"},
    {"sign of negative entry", "Number", "123 +/- +/-", "123"},
    {"sign on empty entry", "Number", "+/-", ""},
    {"sign on result", "Number", "2 + 3 = +/-", "-5"},
    {"negative operand", "Number", "4 +/- X 3 =", "-12"},
    {"reciprocal", "Number", "4 1/x", "0.25"},
    {"reciprocal cut", "Number", "3 1/x", "0.3333333333333"},
    {"reciprocal of zero", "Number", "0 1/x", "ERROR"},
    {"reciprocal of empty entry", "Number", "1/x", "ERROR"},
    {"square root", "Number", "9 sqrt", "3"},
    {"square root cut", "Number", "2 sqrt", "1.4142135623731"},
    {"square root of negative", "Number", "4 +/- sqrt", "ERROR"},
    {"square root of zero", "Number", "0 sqrt", "0"},
    {"square root feeds next operator", "Number", "16 sqrt + 1 =", "4|4|1|5"},
    {"square root of result feeds repeat", "Number", "2 + 7 = sqrt =", "9|3|10"},
    // Clearing keys
    {"backspace", "Number", "123 Backspace", "12"},
    {"backspace to point", "Number", "0.5 Backspace", "0."},
    {"backspace on zero point", "Number", "0. Backspace", "0."},
    {"backspace on empty entry", "Number", "Backspace", ""},
    {"backspace on result feeds repeat", "Number", "12 + 3 = Backspace =", "15|1|4"},
    {"clear entry keeps operator", "Number", "5 + 3 CE 4 =", "|4|9"},
    {"clear all", "Number", "5 + 3 C", ""},
    // Editing the second operand leaves the first alone
    {"backspace on second operand", "Number", "5 + 3 Backspace 4 =", "|4|9"},
    {"square root of second operand", "Number", "5 + 4 sqrt =", "2|7"},
    {"reciprocal of second operand", "Number", "5 + 4 1/x =", "0.25|5.25"},
    // Clear all forgets the operator and the repeat
    {"clear all drops multiply", "Number", "5 X 3 C 2 =", "2"},
    {"clear all drops add", "Number", "5 + 3 C 2 =", "2"},
    {"clear all drops the repeat", "Number", "2 + 3 = C =", "0"},
    // ERROR and recovery
    {"division by zero", "Number", "9 / 0 =", "ERROR"},
    {"digit after error", "Number", "9 / 0 = 4", "4"},
    {"point after error", "Number", "9 / 0 = .", "."},
    {"operator after error", "Number", "9 / 0 = + 3 =", "3"},
    {"division by zero again", "Number", "9 / 0 = =", "ERROR"},
    {"clear entry after error", "Number", "0 1/x CE", ""},
    {"overflow", "Number", kBig + " X =", "ERROR"},
    {"overflow then digit", "Number", kBig + " X = 4", "4"},
    {"infinite entry", "Number", kHuge + " =", "ERROR"},
    {"infinite operand", "Number", kHuge + " + 1 =", "ERROR"},
    {"square root of infinite entry", "Number", kHuge + " sqrt", "ERROR"},
    {"percent of infinite entry", "Number", "5 + " + kHuge + " %", "ERROR"},
    {"infinite minus infinite", "Number", kHuge + " - " + kHuge + " =", "ERROR"},
    // Number texts and the 15-character cut
    {"third cut", "Number", "1 / 3 =", "0.3333333333333"},
    {"two thirds cut, not rounded", "Number", "2 / 3 =", "0.6666666666666"},
    {"negative fixed cut as written", "Number", "2 +/- / 3 =", "-0.666666666666"},
    {"fifteen digits fit", "Number", "123456789012345 =", "123456789012345"},
    {"negative fifteen digits keep magnitude", "Number", "123456789012345 +/- =", "-1.23456789E+14"},
    {"E form from 1E15", "Number", "999999999999999 + 1 =", "1E+15"},
    {"E form cut keeps exponent", "Number", "123456789012346 X 1000000 =", "1.23456789E+20"},
    {"E form cut drops zeros", "Number", "123456789012 X 1000000000 =", "1.23456789E+20"},
    {"negative E form cut", "Number", "123456789012346 +/- X 1000000 =", "-1.23456789E+20"},
    {"small E form cut", "Number", "1 / 3000000 =", "3.333333333E-07"},
    {"small E form", "Number", "15 / 100000000 =", "1.5E-07"},
    {"ten thousandth stays fixed", "Number", "1 / 10000 =", "0.0001"},
    {"negative zero", "Number", "0 +/- X 5 =", "0"},
    {"negative zero entry", "Number", "0 +/- =", "0"},
};
INSTANTIATE_TEST_SUITE_P(NumberMode, KeySequenceTest, testing::ValuesIn(kNumberRows), RowName<SequenceRow>);

TEST(NumberMode, SecondPointBeepsOnce) {
    struct Row {
        const char* Keys;
        const char* Display;
        int Beeps;
    };
    for (const Row& row :
         {Row{"3 . .", "3.", 1}, Row{"3 . 5 . .", "3.5", 2}, Row{"3 . + . 5 .", ".5", 1}, Row{"3 . 5", "3.5", 0}}) {
        CalcEngine engine;
        const Trace trace = PressKeys(engine, row.Keys);
        EXPECT_EQ(trace.Displays.back(), row.Display) << row.Keys;
        EXPECT_EQ(trace.Beeps, row.Beeps) << row.Keys;
    }
}

TEST(NumberMode, ClearAllKeepsOnlyTheMode) {
    CalcEngine engine;
    PressKeys(engine, "5 + 3 = X");  // all three flags set
    PressKeys(engine, "C");
    EXPECT_EQ(StateOf(engine), (EngineState{"Number", "", 0.0, 0.0, "", false, false, false}));
}

TEST(NumberMode, BackspaceStoresTheShortenedEntry) {
    CalcEngine engine;
    PressKeys(engine, "7 + 2 = 0.5 Backspace");
    EXPECT_EQ(engine.Operand1, CalcValue{0.0});
    PressKeys(engine, "Backspace");  // "0." has the value 0: nothing changes
    EXPECT_EQ(engine.EntryText, "0.");
}

TEST(NumberMode, ErrorLeavesFirstOperand) {
    for (const auto& [keys, first] : {std::pair{std::string("9 / 0 ="), 9.0}, std::pair{kBig + " X =", 1e200}}) {
        CalcEngine engine;
        PressKeys(engine, keys);
        EXPECT_EQ(engine.EntryText, "ERROR");
        EXPECT_TRUE(engine.ResultShown);
        ASSERT_TRUE(std::holds_alternative<double>(engine.Operand1));
        EXPECT_DOUBLE_EQ(std::get<double>(engine.Operand1), first);
    }
}

}  // namespace
