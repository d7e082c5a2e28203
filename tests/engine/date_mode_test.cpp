#include "key_sequence.h"

namespace {

constexpr const char* kWrong = "Error! Wrong Date format";

const std::vector<SequenceRow> kDateRows = {
    {"operator shows the date normalised", "Date", "9/10/2011 Dif", "09/10/2011"},
    {"plus minus changes nothing", "Date", "11/05/2000 Dif +/-", "11/05/2000"},
    {"separator after operator appends", "Date", "11/05/2000 Add / 1", "11/05/2000/|1"},
    {"equals with nothing pending", "Date", "12 = 3", "12|3"},
    {"difference", "Date", "11/05/2000 Dif 9/10/2011 =", "11 Years: 4 Months: 28 Days #4168"},
    {"difference reversed", "Date", "9/10/2011 Dif 11/05/2000 =", "11 Years: 4 Months: 28 Days #4168"},
    {"difference of equal dates", "Date", "11/05/2000 Dif 11/05/2000 =", "0 Years: 0 Months: 0 Days #0"},
    {"same month later day", "Date", "11/05/2000 Dif 20/05/2011 =", "11 Years: 0 Months: 9 Days #4026"},
    {"same month earlier day", "Date", "20/05/2000 Dif 11/05/2011 =", "10 Years: 11 Months: 21 Days #4008"},
    {"across a month end", "Date", "31/01/2001 Dif 01/03/2001 =", "0 Years: 1 Months: 1 Days #29"},
    {"from a leap day", "Date", "29/02/2000 Dif 28/02/2001 =", "0 Years: 11 Months: 30 Days #365"},
    {"add", "Date", "11/05/2000 Add 01/00/03 =", "12/05/2003"},
    {"sub", "Date", "11/05/2000 Sub 01/00/03 =", "10/05/1997"},
    {"days before the month end clamps", "Date", "30/01/2001 Add 1/1/0 =", "28/02/2001"},
    {"sub month clamps", "Date", "31/03/2001 Sub 0/1/0 =", "28/02/2001"},
    {"leap day plus a year", "Date", "29/02/2000 Add 0/0/1 =", "28/02/2001"},
    {"period of years only", "Date", "11/05/2000 Add 5 =", "11/05/2005"},
    {"result is the next first date", "Date", "11/05/2000 Add 01/00/03 = Sub 1/0/0 =", "11/05/2003"},
    {"equals again reads the date as period", "Date", "11/05/2000 Add 01/00/03 = =", "12/05/2003|24/10/4006"},
    {"zero date written as date", "Date", "31/12/1899 Sub 1/0/0 =", "30/12/1899"},
    {"emptied first operand is the zero date", "Date", "1/1/2000 Add 1/0/0 = 1 Backspace 1/0/0 =", "31/12/1899"},
    {"negative fraction cut toward zero", "Date", "11/05/2000 Add [Number] 1.9 +/- [Date] =", "11/05/1999"},
    {"clear entry, then clear all drops the operator", "Date",
     "11/05/2000 Sub 1/0/0 CE 0/1/0 = C 1/0/0 =", "|0/1/0|11/04/2000||1/0/0|1/0/0"},
    {"backspace on second date", "Date",
     "11/05/2000 Dif 9/10/2011 Backspace 1 =", "9/10/201|9/10/2011|11 Years: 4 Months: 28 Days #4168"},
    {"backspace on a zero value", "Date", "0/5 Backspace", "0/5"},
    {"error keeps the pending operation", "Date",
     "11/05/2000 Add 31/04/2001 Dif 1/0/0 =", std::string(kWrong) + "|1/0/0|12/05/2000"},
    {"operator on empty entry, then a digit", "Date", "Add 5", std::string(kWrong) + "|5"},
    {"difference with empty entry", "Date",
     "11/05/2000 Dif CE = 9/10/2011 =", std::string(kWrong) + "|9/10/2011|11 Years: 4 Months: 28 Days #4168"},
    {"difference of a difference", "Date", "11/05/2000 Dif 9/10/2011 = =", kWrong},
    {"difference from a difference", "Date", "11/05/2000 Dif 9/10/2011 = 1/1/2000 =", kWrong},
    {"add past 9999", "Date", "31/12/9999 Add 1/0/0 =", kWrong},
    {"months past 9999", "Date", "15/12/9999 Add 0/1/0 =", kWrong},
    {"sub before 100", "Date", "01/01/0100 Sub 1/0/0 =", kWrong},
    {"huge year count", "Date", "11/05/2000 Add " + std::string(300, '9') + " =", kWrong},
    {"huge day count", "Date", "11/05/2000 Sub " + std::string(300, '9') + "/0/0 =", kWrong},
    {"infinite count", "Date", "11/05/2000 Sub " + std::string(400, '9') + " =", kWrong},
    {"first operand past 9999", "Date", "1/1/2000 Add 1/0/0 = 99999999 Backspace CE 0 =", kWrong},
};
INSTANTIATE_TEST_SUITE_P(Date, KeySequenceTest, testing::ValuesIn(kDateRows), RowName);

}  // namespace
