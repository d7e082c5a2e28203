#include "key_sequence.h"

namespace {

constexpr const char* kWrong = "Error! Wrong Time format";

const std::vector<SequenceRow> kTimeRows = {
    {"operator pads the fields", "Time", "11:5:2 Add", "11:05:02"},
    {"plus minus changes nothing", "Time", "11:05:20 Add +/-", "11:05:20"},
    {"separator after operator appends", "Time", "11:05:20 Add : 1", "11:05:20:|1"},
    {"difference", "Time", "11:05:20 Dif 19:10:23 =", "8 Hours: 5 Minutes: 3 Seconds "},
    {"difference of equal times", "Time", "11:05:20 Dif 11:05:20 =", "0 Hours: 0 Minutes: 0 Seconds "},
    {"same minute later second", "Time", "11:05:20 Dif 19:05:30 =", "8 Hours: 0 Minutes: 10 Seconds "},
    {"same minute earlier second", "Time", "11:05:30 Dif 19:05:20 =", "7 Hours: 59 Minutes: 50 Seconds "},
    {"marks not elapsed units", "Time", "11:05:50 Dif 11:06:10 =", "0 Hours: 0 Minutes: 20 Seconds "},
    {"no wrap at midnight", "Time", "23:59:59 Dif 00:00:01 =", "23 Hours: 59 Minutes: 58 Seconds "},
    {"add", "Time", "11:05:20 Add 01:00:03 =", "12:05:23"},
    {"sub", "Time", "11:05:20 Sub 01:00:03 =", "10:05:17"},
    {"add past midnight", "Time", "23:00:00 Add 02:00:00 =", "01:00:00"},
    {"sub past midnight", "Time", "01:00:00 Sub 02:00:00 =", "23:00:00"},
    {"whole days drop out", "Time", "10:00:00 Add 240:0:1 =", "10:00:01"},
    {"minutes beyond an hour", "Time", "10:00:00 Add 0:90:0 =", "11:30:00"},
    {"period of seconds only", "Time", "10:00:00 Add 90 =", "10:01:30"},
    {"equals again reads the time as period", "Time", "11:05:20 Add 01:00:03 = =", "12:05:23|00:10:46"},
    {"clear entry, then clear all drops the operator", "Time",
     "11:05:20 Sub 1:0:0 CE 0:30:0 = C 1:0:3 =", "|0:30:0|10:35:20||1:0:3|1:0:3"},
    {"backspace on second time", "Time", "11:05:20 Add 01:00:04 Backspace 3 =", "01:00:0|01:00:03|12:05:23"},
    {"error keeps the pending operation", "Time",
     "11:05:20 Add 25:00:00 Dif 1:0:3 =", std::string(kWrong) + "|1:0:3|12:05:23"},
    {"difference with empty entry, then a digit", "Time", "11:05:20 Dif CE = 5", std::string(kWrong) + "|5"},
    {"hours past 9999", "Time", "00:00:00 Add 99999999:0:0 =", kWrong},
    {"huge second count", "Time", "11:05:20 Add " + std::string(300, '9') + " =", kWrong},
    {"huge minute count", "Time", "11:05:20 Sub 0:" + std::string(300, '9') + ":0 =", kWrong},
};
INSTANTIATE_TEST_SUITE_P(Time, KeySequenceTest, testing::ValuesIn(kTimeRows), RowName);
}  // namespace
