#include "key_sequence.h"
#include "reckoning.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

constexpr const char* kWrong = "Error! Wrong Time format";

const std::vector<SequenceRow> kTimeRows = {
    // Entry
    {"every digit key", "Time", "1234567890", "1234567890"},
    {"separator key", "Time", "11:05:20", "11:05:20"},
    {"operator pads the fields", "Time", "11:5:2 Add", "11:05:02"},
    {"operator adds the seconds", "Time", "11:05 Add", "11:05:00"},
    {"plus minus on a shown time", "Time", "11:05:20 Add +/-", "11:05:20"},
    {"separator after operator appends", "Time", "11:05:20 Add : 1", "11:05:20:|1"},
    {"separator after result appends", "Time", "11:05:20 Add 1:0:0 = :", "12:05:20:"},
    {"equals with nothing pending", "Time", "12 = 3", "12|3"},
    // Differences
    {"difference", "Time", "11:05:20 Dif 19:10:23 =", "8 Hours: 5 Minutes: 3 Seconds "},
    {"difference reversed", "Time", "19:10:23 Dif 11:05:20 =", "8 Hours: 5 Minutes: 3 Seconds "},
    {"difference of equal times", "Time", "11:05:20 Dif 11:05:20 =", "0 Hours: 0 Minutes: 0 Seconds "},
    {"difference of the shown time", "Time", "11:05:20 Dif =", "0 Hours: 0 Minutes: 0 Seconds "},
    {"same minute later second", "Time", "11:05:20 Dif 19:05:30 =", "8 Hours: 0 Minutes: 10 Seconds "},
    {"same minute earlier second", "Time", "11:05:30 Dif 19:05:20 =", "7 Hours: 59 Minutes: 50 Seconds "},
    {"marks not elapsed units", "Time", "11:05:50 Dif 11:06:10 =", "0 Hours: 0 Minutes: 20 Seconds "},
    {"no wrap at midnight", "Time", "23:59:59 Dif 00:00:01 =", "23 Hours: 59 Minutes: 58 Seconds "},
    {"whole day", "Time", "00:00:00 Dif 23:59:59 =", "23 Hours: 59 Minutes: 59 Seconds "},
    {"one second across the hour", "Time", "10:59:59 Dif 11:00:00 =", "0 Hours: 0 Minutes: 1 Seconds "},
    {"difference from a result", "Time", "11:05:20 Add 01:00:03 = Dif 13:05:23 =", "1 Hours: 0 Minutes: 0 Seconds "},
    {"clear entry keeps the operator", "Time", "11:05:20 Dif 19:10 CE 19:10:23 =", "8 Hours: 5 Minutes: 3 Seconds "},
    // Add and Sub
    {"add", "Time", "11:05:20 Add 01:00:03 =", "12:05:23"},
    {"sub", "Time", "11:05:20 Sub 01:00:03 =", "10:05:17"},
    {"add past midnight", "Time", "23:00:00 Add 02:00:00 =", "01:00:00"},
    {"sub past midnight", "Time", "01:00:00 Sub 02:00:00 =", "23:00:00"},
    {"last second to midnight", "Time", "23:59:59 Add 1 =", "00:00:00"},
    {"midnight back one second", "Time", "00:00:00 Sub 1 =", "23:59:59"},
    {"whole days drop out", "Time", "10:00:00 Add 240:0:1 =", "10:00:01"},
    {"two days back", "Time", "00:00:00 Sub 48:0:0 =", "00:00:00"},
    {"minutes beyond an hour", "Time", "10:00:00 Add 0:90:0 =", "11:30:00"},
    {"seconds beyond a minute", "Time", "10:00:00 Add 0:0:3600 =", "11:00:00"},
    {"period of seconds only", "Time", "10:00:00 Add 90 =", "10:01:30"},
    {"period of hours and seconds", "Time", "10:00:00 Add 1:30 =", "11:00:30"},
    {"period of minutes only", "Time", "10:00:00 Sub 0:30: =", "09:30:00"},
    {"fourth field ignored", "Time", "10:00:00 Add 1:2:3:4 =", "11:02:03"},
    {"result is the next first time", "Time", "11:05:20 Add 01:00:03 = Sub 2:0:0 =", "10:05:23"},
    {"equals again reads the time as period", "Time", "11:05:20 Add 01:00:03 = =", "12:05:23|00:10:46"},
    {"equals again sub", "Time", "11:05:20 Sub 01:00:03 = =", "10:05:17|00:00:00"},
    {"emptied first operand is midnight", "Time", "11:05:20 Add 1:0:0 = 1 Backspace 1:0:0 =", "01:00:00"},
    {"fraction cut toward zero", "Time", "10:00:00 Add [Number] 90.9 [Time] =", "10:01:30"},
    // Clearing keys
    {"clear entry", "Time", "11:05:20 Sub 1:0:0 CE 0:30:0 =", "|0:30:0|10:35:20"},
    {"clear all", "Time", "11:05:20 Add C", ""},
    {"clear all drops the operator", "Time", "11:05:20 Add C 1:0:3 =", "1:0:3"},
    {"backspace on second time", "Time", "11:05:20 Add 01:00:04 Backspace 3 =", "01:00:0|01:00:03|12:05:23"},
    {"backspace on result feeds repeat", "Time", "11:05:20 Add 1:0:0 = Backspace =", "12:05:2|12:05:02"},
    {"backspace on zero hours", "Time", "0:30 Backspace", "0:30"},
    {"backspace on leading separator", "Time", ":30 Backspace", ":30"},
    // Format errors
    {"hour 25", "Time", "25:00:00 Add", kWrong},
    {"hour 24", "Time", "24:00:00 Sub", kWrong},
    {"minute 60", "Time", "12:60:00 Dif", kWrong},
    {"second 60", "Time", "12:00:60 Add", kWrong},
    {"operator on empty entry", "Time", "Dif", kWrong},
    {"digit after format error", "Time", "25:00:00 Add 5", "5"},
    {"operator kept through format error", "Time",
     "11:05:20 Add 25:00:00 Dif 01:00:03 =", "Error! Wrong Time format|01:00:03|12:05:23"},
    {"equals again after difference", "Time",
     "11:05:20 Dif 19:10:23 = =", "8 Hours: 5 Minutes: 3 Seconds |Error! Wrong Time format"},
    {"difference after empty second time", "Time",
     "11:05:20 Dif CE = 19:10:23 =", "Error! Wrong Time format|19:10:23|8 Hours: 5 Minutes: 3 Seconds "},
};
INSTANTIATE_TEST_SUITE_P(TimeMode, KeySequenceTest, testing::ValuesIn(kTimeRows), RowName<SequenceRow>);

const std::vector<FormatErrorRow> kTimeErrors = {
    {"operator on hour 25", "Time", "11:05:20 Add 25:00:00", "Dif", kWrong},
    {"operator on empty entry", "Time", "", "Add", kWrong},
    {"difference with empty entry", "Time", "11:05:20 Dif CE", "=", kWrong},
    {"difference of a difference", "Time", "11:05:20 Dif 19:10:23 =", "=", kWrong},
    {"difference from a difference", "Time", "11:05:20 Dif 19:10:23 = 1:00:00", "=", kWrong},
    {"hours past 9999", "Time", "00:00:00 Add 99999999:0:0", "=", kWrong},
    {"hours before 100", "Time", "00:00:00 Sub 99999999:0:0", "=", kWrong},
    {"huge second count", "Time", "11:05:20 Add " + Digits(300), "=", kWrong},
    {"huge minute count", "Time", "11:05:20 Sub 0:" + Digits(300) + ":0", "=", kWrong},
    {"infinite count", "Time", "11:05:20 Add " + Digits(400), "=", kWrong},
    {"E form count from Number mode", "Time", "11:05:20 Add [Number] " + Digits(200) + " sqrt [Time]", "=", kWrong},
    {"first operand past 9999", "Time", "11:05:20 Add 1:0:0 = 99999999 Backspace CE 0", "=", kWrong},
    {"difference from first operand past 9999", "Time", "11:05:20 Dif 12:00:00 = 99999999 Backspace CE 1:00:00", "=",
     kWrong},
};
INSTANTIATE_TEST_SUITE_P(TimeMode, FormatErrorTest, testing::ValuesIn(kTimeErrors), RowName<FormatErrorRow>);

TEST(TimeMode, DifferenceAddsBackToLater) {
    std::mt19937 random(1905);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a fixed seed replays a failure
    std::uniform_int_distribution<int> anyTime(0, 86399);
    std::uniform_int_distribution<int> nearby(0, 4000);
    for (int pair = 0; pair < 20000; ++pair) {
        const int a = anyTime(random);
        // Half the pairs lie close together, where the minute and second rules bite.
        const int b = pair % 2 == 0 ? anyTime(random) : std::min(a + nearby(random), 86399);
        const std::string keys = ClockText(a) + " Dif " + ClockText(b) + " =";
        CalcEngine engine;
        engine.ApplyMode("Time");
        const std::string shown = PressKeys(engine, keys).Displays.back();

        // With the counts normalised, a difference of clock times is the span split plainly.
        const int span = std::abs(b - a);
        ASSERT_EQ(shown, std::to_string(span / 3600) + " Hours: " + std::to_string(span / 60 % 60) +
                             " Minutes: " + std::to_string(span % 60) + " Seconds ")
            << keys;
        const std::vector<std::int64_t> counts = CountsIn(shown);
        ASSERT_EQ(counts.size(), 3u) << shown;
        ASSERT_EQ(std::min(a, b) + counts[0] * 3600 + counts[1] * 60 + counts[2], std::max(a, b)) << keys;
    }
}

}  // namespace
