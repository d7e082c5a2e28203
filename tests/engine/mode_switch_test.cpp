#include "key_sequence.h"

#include <array>

namespace {

// The pad as the user sees it, written out apart from the engine's table.
using Pad = std::array<const char*, 23>;
constexpr Pad kNumberPad = {"Backspace", "CE", "C", "7", "8", "9",   "/", "sqrt", "4", "5", "6", "X",
                            "%",         "1",  "2", "3", "-", "1/x", "0", "+/-",  ".", "+", "="};
constexpr Pad kDatePad = {"Backspace", "CE", "C", "7", "8",   "9",   "/", "sqrt", "4", "5",   "6", "Dif",
                          "%",         "1",  "2", "3", "Sub", "1/x", "0", "+/-",  "/", "Add", "="};
constexpr Pad kTimePad = {"Backspace", "CE", "C", "7", "8",   "9",   "/", "sqrt", "4", "5",   "6", "Dif",
                          "%",         "1",  "2", "3", "Sub", "1/x", "0", "+/-",  ":", "Add", "="};

void ExpectPad(const CalcEngine& engine, const Pad& pad, bool numberMode) {
    for (ButtonIndex index = 0; index < 23; ++index) {
        const bool numberOnly = index == 6 || index == 7 || index == 12 || index == 17;
        EXPECT_EQ(engine.Caption(index), pad[static_cast<std::size_t>(index)]) << "key " << index;
        EXPECT_EQ(engine.Enabled(index), numberMode || !numberOnly) << "key " << index;
    }
}

TEST(ModeSwitch, StartsInNumberMode) {
    const CalcEngine engine;
    EXPECT_EQ(StateOf(engine), EngineState("Number", "", CalcValue{}, CalcValue{}, "", false, false, false));
    ExpectPad(engine, kNumberPad, true);
}

TEST(ModeSwitch, SetsCaptionsAndEnabledKeys) {
    CalcEngine engine;
    const std::tuple<const char*, const char*, const Pad*> rows[] = {{"Date", "Date", &kDatePad},
                                                                     {"Time", "Time", &kTimePad},
                                                                     {"date", "Time", &kTimePad},
                                                                     {"Number", "Number", &kNumberPad}};
    for (const auto& [mode, shown, pad] : rows) {
        engine.ApplyMode(mode);
        EXPECT_EQ(engine.CalcMode, shown) << mode;
        ExpectPad(engine, *pad, pad == &kNumberPad);
    }
}

TEST(ModeSwitch, KeepsTheStateAndIgnoresDisabledKeys) {
    for (const char* setup : {"5 + 3", "[Date] 11/05/2000 Add 1/0/0 =", "[Time] 11:05:20 Dif 1:00"}) {
        for (const char* mode : {"Number", "Date", "Time"}) {
            CalcEngine engine;
            PressKeys(engine, setup);
            EngineState expected = StateOf(engine);
            std::get<0>(expected) = mode;
            engine.ApplyMode(mode);
            EXPECT_EQ(StateOf(engine), expected) << setup << " then " << mode;
            if (mode == std::string_view("Number")) continue;
            for (const ButtonIndex disabled : {6, 7, 12, 17}) engine.Press(disabled);
            EXPECT_EQ(StateOf(engine), expected) << setup << " then " << mode << " and a disabled key";
        }
    }
}

const std::vector<SequenceRow> kSwitchRows = {
    {"date result read as number", "Date", "11/05/2000 Add 1/0/0 = [Number] + 1 =", "13"},
    {"date value as a number", "Date", "11/05/2000 Add 1/0/0 = [Number] 100 %", "36658"},
    {"entry carries into date mode", "Number", "12 [Date] /05/2000 Dif 9/10/2011 =", "11 Years: 4 Months: 27 Days"},
    {"number operator counts as none in date", "Number", "5 + [Date] 3 =", "3"},
    {"date operator counts as none in number", "Date", "11/05/2000 Add [Number] 7 =", "7"},
    {"text operands in number arithmetic", "Number", "5 + [Date] 3 = [Number] =", "6"},
    {"date operator carries into time", "Date", "1/1/2000 Add [Time] 1:30:0 =", "01:30:00"},
    {"time operator carries into date", "Time", "11:05:20 Add [Date] 1/0/0 =", "31/12/1899 11:05:20"},
    {"error cleared in date mode", "Number", "9 / 0 = [Date] 5", "ERROR|5"},
};
INSTANTIATE_TEST_SUITE_P(ModeSwitch, KeySequenceTest, testing::ValuesIn(kSwitchRows), RowName);

}  // namespace
