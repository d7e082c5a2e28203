// Keys in, display out: a row per behaviour of each mode, and of switching between them.
#include "key_sequence.h"

namespace {

const std::string kWrongDate = "Error! Wrong Date format";
const std::string kWrongTime = "Error! Wrong Time format";

const std::string kBig(200, '9');   // 1E200: its square overflows
const std::string kHuge(400, '9');  // beyond a double: reads as infinity

const std::vector<SequenceRow> kNumberRows = {
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
    {"percent after a result is the repeated operand", "Number", "200 + 10 = 50 % =", "210|50|105|315"},
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
    {"clear all zeroes the first operand, arms nothing", "Number", "5 + 3 = X C 50 % C 05 +", "|50|0||05|05"},
    {"division by zero, then an operator", "Number", "9 / 0 = = + 3 =", "ERROR|ERROR||3|3"},
    {"chain into division by zero", "Number", "8 / 0 + 2 =", "ERROR|2|2"},
    {"overflow leaves the first operand", "Number", kBig + " X = 100 %", "ERROR|100|1E+200"},
    {"square root of infinite entry", "Number", kHuge + " sqrt", "ERROR"},
    {"percent of infinite entry", "Number", "5 + " + kHuge + " %", "ERROR"},
};
INSTANTIATE_TEST_SUITE_P(Number, KeySequenceTest, testing::ValuesIn(kNumberRows), RowName);

const std::vector<SequenceRow> kDateRows = {
    {"operator shows the date normalised", "Date", "9/10/2011 Dif", "09/10/2011 @Sun"},
    {"separator after operator appends", "Date", "11/05/2000 Add / 1", "11/05/2000/|1"},
    {"clear all ends a fresh entry", "Date", "1/1/2000 Add C / 5 = C / 5", "|/|/5|/5||/|/5"},
    {"equals with nothing pending", "Date", "12 = 3", "12|3"},
    {"difference", "Date", "11/05/2000 Dif 9/10/2011 =", "11 Years: 4 Months: 28 Days #4168/2977 Thu-Sun"},
    {"difference reversed", "Date", "9/10/2011 Dif 11/05/2000 =", "11 Years: 4 Months: 28 Days #4168/2977 Sun-Thu"},
    {"difference of equal dates", "Date", "11/05/2000 Dif 11/05/2000 =", "0 Years: 0 Months: 0 Days #0/0 Thu-Thu"},
    {"same month later day", "Date", "11/05/2000 Dif 20/05/2011 =", "11 Years: 0 Months: 9 Days #4026/2876 Thu-Fri"},
    {"same month earlier day", "Date",
     "20/05/2000 Dif 11/05/2011 =", "10 Years: 11 Months: 21 Days #4008/2862 Sat-Wed"},
    {"across a month end", "Date", "31/01/2001 Dif 01/03/2001 =", "0 Years: 1 Months: 1 Days #29/21 Wed-Thu"},
    {"week boundary, Friday to Monday", "Date", "4/12/2026 Dif 7/12/2026 =", "0 Years: 0 Months: 3 Days #3/1 Fri-Mon"},
    {"the whole range", "Date",
     "01/01/0100 Dif 31/12/9999 =", "9899 Years: 11 Months: 30 Days #3615899/2582785 Fri-Fri"},
    {"a typed date has its weekday once whole", "Date", "1/1/200 0 0", "1/1/200|1/1/2000 @Sat|1/1/20000"},
    {"a period typed after Add is no date", "Date", "11/05/2000 Add 01/01/2000", "11/05/2000 @Thu|01/01/2000"},
    {"add", "Date", "11/05/2000 Add 01/00/03 =", "12/05/2003 @Mon"},
    {"a period read from the right", "Date", "11/05/2000 Add 10 CE 0/6 =", "10 ~10||0/6 ~0/0/6|11/05/2006 @Thu ~0/0/6"},
    {"the period applied", "Date", "11/05/2000 Sub 01/00/03 = =", "10/05/1997 @Sat ~-1/0/3|" + kWrongDate},
    {"sub", "Date", "11/05/2000 Sub 01/00/03 =", "10/05/1997 @Sat"},
    {"days before the month end clamps", "Date", "30/01/2001 Add 1/1/0 =", "28/02/2001 @Wed"},
    {"period of years only", "Date", "11/05/2000 Add 5 =", "11/05/2005 @Wed"},
    {"result is the next first date", "Date", "11/05/2000 Add 01/00/03 = Sub 1/0/0 =", "11/05/2003 @Sun"},
    {"equals again reads the date as period", "Date", "11/05/2000 Add 01/00/03 = =", "12/05/2003 @Mon|24/10/4006 @Tue"},
    {"zero date written as date", "Date", "31/12/1899 Sub 1/0/0 =", "30/12/1899 @Sat"},
    {"emptied first operand is the zero date", "Date", "1/1/2000 Add 1/0/0 = 1 Backspace 1/0/0 =", "31/12/1899 @Sun"},
    {"negative fraction cut toward zero", "Date", "11/05/2000 Add [Number] 1.9 +/- [Date] =", "11/05/1999 @Tue ~-1"},
    {"clear entry, then clear all drops the operator", "Date",
     "11/05/2000 Sub 1/0/0 CE 0/1/0 = C 1/0/0 =", "|0/1/0|11/04/2000 @Tue||1/0/0|1/0/0"},
    {"backspace on second date", "Date", "11/05/2000 Dif 9/10/2011 Backspace 1 =",
     "9/10/201|9/10/2011 @Sun|11 Years: 4 Months: 28 Days #4168/2977 Thu-Sun"},
    {"backspace on a zero value", "Date", "0/5 Backspace", "0/5"},
    {"error keeps the pending operation", "Date",
     "11/05/2000 Add 31/04/2001 Dif 1/0/0 =", kWrongDate + "|1/0/0|12/05/2000 @Fri"},
    {"operator on empty entry, then a digit", "Date", "Add 5", kWrongDate + "|5"},
    {"difference with empty entry", "Date",
     "11/05/2000 Dif CE = 9/10/2011 =", kWrongDate + "|9/10/2011 @Sun|11 Years: 4 Months: 28 Days #4168/2977 Thu-Sun"},
    {"difference of a difference", "Date", "11/05/2000 Dif 9/10/2011 = =", kWrongDate},
    {"difference from a difference", "Date", "11/05/2000 Dif 9/10/2011 = 1/1/2000 =", kWrongDate},
    {"add past 9999", "Date", "31/12/9999 Add 1/0/0 =", kWrongDate},
    {"months past 9999", "Date", "15/12/9999 Add 0/1/0 =", kWrongDate},
    {"sub before 100", "Date", "01/01/0100 Sub 1/0/0 =", kWrongDate},
    {"huge year count", "Date", "11/05/2000 Add " + std::string(300, '9') + " =", kWrongDate},
    {"infinite count", "Date", "11/05/2000 Sub " + std::string(400, '9') + " =", kWrongDate},
    {"first operand past 9999", "Date", "1/1/2000 Add 1/0/0 = 99999999 Backspace CE 0 =", kWrongDate},
    {"a separator first is kept", "Date", "/5", "/5"},
    {"sign changes nothing", "Date", "11/05/2000 +/-", "11/05/2000 @Thu"},
    {"today, then Add 0", "Date", "T Add 0 =", "07/12/2026 @Mon|0|07/12/2026 @Mon"},
    {"today replaces the entry, the next digit appends", "Date", "11/05 T 5", "11/05|07/12/2026 @Mon|07/12/20265"},
    {"today as the second date", "Date",
     "11/05/2000 Dif T =", "11/05/2000 @Thu|07/12/2026 @Mon|26 Years: 6 Months: 26 Days #9706/6932 Thu-Mon"},
    {"today after Dif, then a digit", "Date", "11/05/2000 Dif T 1", "07/12/20261"},
    {"today replaces a result", "Date", "11/05/2000 Add 1 = T 1", "11/05/2001 @Fri|07/12/2026 @Mon|07/12/20261"},
    {"today after a number operator", "Number", "5 + [Date] T", "07/12/2026 @Mon"},
    {"no today while a period is typed", "Date", "11/05/2000 Add T 1 T =", "refused|1|refused|11/05/2001 @Fri"},
    {"no today in a period to subtract", "Date", "11/05/2000 Sub T", "refused"},
};
INSTANTIATE_TEST_SUITE_P(Date, KeySequenceTest, testing::ValuesIn(kDateRows), RowName);

const std::vector<SequenceRow> kTimeRows = {
    {"operator pads the fields", "Time", "11:5:2 Add", "11:05:02"},
    {"difference", "Time", "11:05:20 Dif 19:10:23 =", "8 Hours: 5 Minutes: 3 Seconds  #29103s"},
    {"difference of equal times", "Time", "11:05:20 Dif 11:05:20 =", "0 Hours: 0 Minutes: 0 Seconds  #0s"},
    {"no wrap at midnight", "Time", "23:59:59 Dif 00:00:01 =", "23 Hours: 59 Minutes: 58 Seconds  #86398s"},
    {"add", "Time", "11:05:20 Add 01:00:03 =", "12:05:23 ~1:0:3"},
    {"a period read from the right", "Time", "10:00:00 Add 90 CE 2: 30", "90 ~90||2: ~2:0:0|2:30 ~2:0:30"},
    {"no period before its first digit", "Time", "10:00:00 Sub : 5 =", "10:00:00:|5 ~5|09:59:55 ~-5"},
    {"add past midnight", "Time", "23:00:00 Add 02:00:00 =", "01:00:00 +1d"},
    {"sub past midnight", "Time", "01:00:00 Sub 02:00:00 =", "23:00:00 -1d ~-2:0:0"},
    {"whole days drop out", "Time", "10:00:00 Add 240:0:1 =", "10:00:01 +10d"},
    {"equals again reads the time as period", "Time", "11:05:20 Add 01:00:03 = =", "12:05:23|00:10:46 +1d"},
    {"clear entry, then clear all drops the operator", "Time",
     "11:05:20 Sub 1:0:0 CE 0:30:0 = C 1:0:3 =", "|0:30:0|10:35:20||1:0:3|1:0:3"},
    {"backspace on second time", "Time", "11:05:20 Add 01:00:04 Backspace 3 =", "01:00:0|01:00:03|12:05:23"},
    {"error keeps the pending operation", "Time", "11:05:20 Add 25:00:00 Dif 1:0:3 =", kWrongTime + "|1:0:3|12:05:23"},
    {"difference with empty entry, then a digit", "Time", "11:05:20 Dif CE = 5", kWrongTime + "|5"},
    {"hours past 9999", "Time", "00:00:00 Add 99999999:0:0 =", kWrongTime},
    {"huge second count", "Time", "11:05:20 Add " + std::string(300, '9') + " =", kWrongTime},
    {"now, then Sub", "Time", "T Sub 0:3:27 =", "14:03:27|0:3:27|14:00:00"},
    {"now as the second time", "Time", "10:00 Dif T =", "10:00:00|14:03:27|4 Hours: 3 Minutes: 27 Seconds  #14607s"},
    {"no now while a period is typed", "Time", "10:00 Add T", "refused"},
};
INSTANTIATE_TEST_SUITE_P(Time, KeySequenceTest, testing::ValuesIn(kTimeRows), RowName);

const std::vector<SequenceRow> kSwitchRows = {
    {"date value as a number", "Date", "11/05/2000 Add 1/0/0 = [Number] 100 %", "36658"},
    {"entry carries into date mode", "Number",
     "12 [Date] /05/2000 Dif 9/10/2011 =", "11 Years: 4 Months: 27 Days #4167/2976 Fri-Sun"},
    {"number operator counts as none in date", "Number", "5 + [Date] 3 =", "3"},
    {"text operands in number arithmetic", "Number", "5 + [Date] 3 = [Number] =", "6"},
    {"time operator carries into date", "Time", "11:05:20 Add [Date] 1/0/0 =", "31/12/1899 11:05:20 @Sun"},
    {"no now in Number mode", "Date", "5 [Number] T", "5|refused"},
};
INSTANTIATE_TEST_SUITE_P(Switch, KeySequenceTest, testing::ValuesIn(kSwitchRows), RowName);

// The window offers only enabled keys; the engine holds to that whatever its caller.
TEST(Press, IgnoresKeysItDoesNotOffer) {
    CalcEngine engine;
    engine.ApplyMode("Date");
    for (const ButtonIndex index : {6, 7, 12, 17, 23, -1}) {
        const PressResult result = engine.Press(index);
        EXPECT_TRUE(result.DisplayText.empty() && !result.Beep && !engine.Enabled(index)) << index;
    }
    EXPECT_EQ(engine.EntryText, "");
    for (const ButtonIndex index : {-1, 23}) EXPECT_TRUE(engine.Caption(index).empty() && !engine.Enabled(index));
}

// The start values; Clear all zeroes both operands; an unknown mode changes nothing.
TEST(Press, StartsAndClearsAsTheStateSays) {
    CalcEngine engine;
    EXPECT_TRUE(engine.CalcMode == "Number" && engine.EntryText.empty() && engine.PendingOp.empty());
    EXPECT_FALSE(engine.NewEntry || engine.CaptureOperand2 || engine.ResultShown);
    EXPECT_TRUE(engine.Operand1 == CalcValue{} && engine.Operand2 == CalcValue{});
    PressKeys(engine, "5 + 3 = C");
    EXPECT_TRUE(engine.Operand1 == CalcValue{0.0} && engine.Operand2 == CalcValue{0.0});
    engine.ApplyMode("");
    EXPECT_EQ(engine.CalcMode, "Number");
}

// A period too large to move anything by is not told as a smaller one.
TEST(Press, TellsNoPeriodTooLargeToApply) {
    CalcEngine engine;
    engine.ApplyMode("Time");
    PressKeys(engine, "11:05:20 Add 99999999999");
    const ButtonIndex nine = 5;
    EXPECT_TRUE(std::holds_alternative<PeriodFacts>(engine.Press(nine).Facts));  // 999,999,999,999
    EXPECT_TRUE(std::holds_alternative<std::monostate>(engine.Press(nine).Facts));
    EXPECT_EQ(PressKeys(engine, "CE 1000000000000").back(), "1000000000000");  // a trillion, no period told
}

// The caller's clock may lie outside the calendar; nothing is typed then.
TEST(TypeNow, OnlyWithinTheRange) {
    using namespace std::chrono;
    CalcEngine engine;
    engine.ApplyMode("Date");
    for (const sys_days day : {sys_days{year{10000} / 1 / 1}, sys_days{year{99} / 12 / 31}}) {
        EXPECT_FALSE(engine.TypeNow(DateTime{day}).has_value());
    }
    EXPECT_EQ(engine.TypeNow(DateTime{sys_days{year{9999} / 12 / 31} + seconds{86399}})->DisplayText, "31/12/9999");
    EXPECT_EQ(engine.EntryText, "31/12/9999");
}

}  // namespace
