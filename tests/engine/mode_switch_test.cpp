#include "key_sequence.h"

namespace {

const std::vector<SequenceRow> kSwitchRows = {
    {"date result read as number", "Date", "11/05/2000 Add 1/0/0 = [Number] + 1 =", "13"},
    {"date value as a number", "Date", "11/05/2000 Add 1/0/0 = [Number] 100 %", "36658"},
    {"entry carries into date mode", "Number",
     "12 [Date] /05/2000 Dif 9/10/2011 =", "11 Years: 4 Months: 27 Days #4167"},
    {"number operator counts as none in date", "Number", "5 + [Date] 3 =", "3"},
    {"text operands in number arithmetic", "Number", "5 + [Date] 3 = [Number] =", "6"},
    {"time operator carries into date", "Time", "11:05:20 Add [Date] 1/0/0 =", "31/12/1899 11:05:20"},
    {"error cleared in date mode", "Number", "9 / 0 = [Date] 5", "ERROR|5"},
};
INSTANTIATE_TEST_SUITE_P(Switch, KeySequenceTest, testing::ValuesIn(kSwitchRows), RowName);

}  // namespace
