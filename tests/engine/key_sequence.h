#pragma once

#include "calc_engine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// What a run of keys showed: the display after each token, and how often the signal sounded.
struct Trace {
    std::vector<std::string> Displays;
    int Beeps = 0;
};

// Presses keys as a person would: tokens are separated by blanks; "[Date]" switches the mode
// (the display then shows EntryText); a caption of an enabled key presses that key; any other
// token is typed, each character the caption of an enabled key. In Number mode "/" is the divide
// key, in Date mode it is the separator on key 20: the enabled key decides. A token that no
// enabled key can type fails the test.
Trace PressKeys(CalcEngine& engine, std::string_view keys);

// A row of keys and what the display shows: {name, start mode, keys, expected}. Expected is the
// last display; "a|b|c" checks the last three.
struct SequenceRow {
    std::string Name;
    std::string Mode;
    std::string Keys;
    std::string Expected;
};
class KeySequenceTest : public testing::TestWithParam<SequenceRow> {};

// A format error leaves EntryText empty and every other field as it was (at "=" the second
// operand has already been taken from the entry). Keys set up the state, Key is the failing one.
struct FormatErrorRow {
    std::string Name;
    std::string Mode;
    std::string Keys;
    std::string Key;
    std::string Message;
};
class FormatErrorTest : public testing::TestWithParam<FormatErrorRow> {};

// Every state field, to check what a press or a mode switch leaves alone.
struct EngineState {
    std::string CalcMode;
    std::string EntryText;
    CalcValue Operand1;
    CalcValue Operand2;
    std::string PendingOp;
    bool NewEntry = false;
    bool CaptureOperand2 = false;
    bool ResultShown = false;
    friend bool operator==(const EngineState&, const EngineState&) = default;
};
EngineState StateOf(const CalcEngine& engine);

std::string Digits(int count);  // "999...9", for entries beyond what a double holds

// The integers in a text, in order: the three counts of a difference.
std::vector<std::int64_t> CountsIn(std::string_view text);

// The row's name as a test name: letters and digits, the rest "_".
std::string TestName(std::string_view name);
template <typename Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return TestName(info.param.Name);
}

void PrintTo(const DateTime& value, std::ostream* out);
void PrintTo(const EngineState& state, std::ostream* out);
void PrintTo(const SequenceRow& row, std::ostream* out);
void PrintTo(const FormatErrorRow& row, std::ostream* out);
