#include "key_sequence.h"

#include <array>

namespace {

// The pad as the user sees it, written out apart from the engine's table.
constexpr std::array<const char*, 23> kNumberCaptions = {"Backspace", "CE",  "C", "7",   "8", "9", "/", "sqrt",
                                                         "4",         "5",   "6", "X",   "%", "1", "2", "3",
                                                         "-",         "1/x", "0", "+/-", ".", "+", "="};
constexpr std::array<const char*, 23> kDateCaptions = {"Backspace", "CE",  "C", "7",   "8", "9",   "/", "sqrt",
                                                       "4",         "5",   "6", "Dif", "%", "1",   "2", "3",
                                                       "Sub",       "1/x", "0", "+/-", "/", "Add", "="};
constexpr std::array<const char*, 23> kTimeCaptions = {"Backspace", "CE",  "C", "7",   "8", "9",   "/", "sqrt",
                                                       "4",         "5",   "6", "Dif", "%", "1",   "2", "3",
                                                       "Sub",       "1/x", "0", "+/-", ":", "Add", "="};

bool NumberOnly(ButtonIndex index) { return index == 6 || index == 7 || index == 12 || index == 17; }

void ExpectPad(const CalcEngine& engine, const std::array<const char*, 23>& captions, bool numberMode) {
    for (ButtonIndex index = 0; index < 23; ++index) {
        EXPECT_EQ(engine.Caption(index), captions[static_cast<std::size_t>(index)]) << "key " << index;
        EXPECT_EQ(engine.Enabled(index), numberMode || !NumberOnly(index)) << "key " << index;
    }
}

TEST(ModeSwitch, StartsInNumberMode) {
    const CalcEngine engine;
    EXPECT_EQ(StateOf(engine), (EngineState{"Number", "", CalcValue{}, CalcValue{}, "", false, false, false}));
    ExpectPad(engine, kNumberCaptions, true);
}

TEST(ModeSwitch, SetsCaptionsAndEnabledKeys) {
    CalcEngine engine;
    engine.ApplyMode("Date");
    EXPECT_EQ(engine.CalcMode, "Date");
    ExpectPad(engine, kDateCaptions, false);
    engine.ApplyMode("Time");
    EXPECT_EQ(engine.CalcMode, "Time");
    ExpectPad(engine, kTimeCaptions, false);
    engine.ApplyMode("Number");
    EXPECT_EQ(engine.CalcMode, "Number");
    ExpectPad(engine, kNumberCaptions, true);
}

TEST(ModeSwitch, UnknownModeChangesNothing) {
    CalcEngine engine;
    engine.ApplyMode("Time");
    for (const char* name : {"date", "NUMBER", "", "Dates"}) {
        engine.ApplyMode(name);
        EXPECT_EQ(engine.CalcMode, "Time") << name;
        ExpectPad(engine, kTimeCaptions, false);
    }
}

// A switch in the middle of a computation leaves every field but the mode as it was.
TEST(ModeSwitch, KeepsTheState) {
    const char* const setups[] = {"5 + 3",
                                  "2 + 3 = =",
                                  "9 / 0 =",
                                  "[Date] 11/05/2000 Dif 9/10",
                                  "[Time] 11:05:20 Add",
                                  "[Date] 11/05/2000 Add 1/0/0 ="};
    for (const char* setup : setups) {
        for (const char* mode : {"Number", "Date", "Time"}) {
            CalcEngine engine;
            PressKeys(engine, setup);
            EngineState expected = StateOf(engine);
            expected.CalcMode = mode;
            engine.ApplyMode(mode);
            EXPECT_EQ(StateOf(engine), expected) << setup << " then " << mode;
        }
    }
}

// Keys a disabled button would send change nothing (in Date mode key 6's "/" is the separator).
TEST(ModeSwitch, DisabledKeysDoNothing) {
    const std::pair<const char*, std::vector<ButtonIndex>> rows[] = {{"[Date] 11/05/2000 Add 1/0/0", {7, 12, 17}},
                                                                     {"[Time] 11:05:20 Dif 1:00", {6, 7, 12, 17}}};
    for (const auto& [setup, keys] : rows) {
        for (const ButtonIndex index : keys) {
            CalcEngine engine;
            PressKeys(engine, setup);
            const EngineState before = StateOf(engine);
            EXPECT_EQ(engine.Press(index).DisplayText, before.EntryText) << setup << " key " << index;
            EXPECT_EQ(StateOf(engine), before) << setup << " key " << index;
        }
    }
}

const std::vector<SequenceRow> kSwitchRows = {
    {"date result read as number", "Date", "11/05/2000 Add 1/0/0 = [Number] + 1 =", "13"},
    {"date result multiplied", "Date", "11/05/2000 Add 1/0/0 = [Number] X 2 =", "24"},
    {"entry carries into date mode", "Number", "12 [Date] /05/2000 Dif 9/10/2011 =", "11 Years: 4 Months: 27 Days"},
    {"number operator counts as none in date", "Number", "5 + [Date] 3 =", "3"},
    {"date operator counts as none in number", "Date", "11/05/2000 Add [Number] 7 =", "7"},
    {"date operator shown in number mode", "Date", "11/05/2000 Add 1/0/0 = [Number] =", "12"},
    {"text operands in number arithmetic", "Number", "5 + [Date] 3 = [Number] =", "6"},
    {"date operator carries into time", "Date", "1/1/2000 Add [Time] 1:30:0 =", "01:30:00"},
    {"time operator carries into date", "Time", "11:05:20 Add [Date] 1/0/0 =", "31/12/1899 11:05:20"},
    {"time result as first date", "Time", "11:05:20 Add 1:0:0 = [Date] Sub 1/0/0 =", "29/12/1899 12:05:20"},
    {"number result as date period", "Date", "11/05/2000 Add [Number] 9 sqrt [Date] =", "11/05/2003"},
    {"difference survives the round trip", "Date",
     "11/05/2000 Dif [Time] [Date] 9/10/2011 =", "11 Years: 4 Months: 28 Days"},
    {"error cleared in date mode", "Number", "9 / 0 = [Date] 5", "ERROR|5"},
};
INSTANTIATE_TEST_SUITE_P(ModeSwitch, KeySequenceTest, testing::ValuesIn(kSwitchRows), RowName<SequenceRow>);

}  // namespace
