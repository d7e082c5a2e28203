#pragma once

#include "calc_value.h"

#include <string>
#include <string_view>

// The fields of CalcEngine that a press or a mode switch may change, as one comparable value.
struct EngineState {
    std::string CalcMode;
    std::string EntryText;
    CalcValue Operand1;
    CalcValue Operand2;
    std::string PendingOp;
    bool NewEntry = false;
    bool CaptureOperand2 = false;
    bool ResultShown = false;

    bool operator==(const EngineState&) const = default;
};

struct ModelResult {
    std::string DisplayText;
    bool Beep = false;
};

// The key rules of the three modes written a second time, straight from their tables, with a
// calendar reckoned on day numbers of its own rather than the engine's: the press fuzzer runs it
// beside the engine and compares state, display and signal after every press. The text
// conversions (NumericValue, NumberText, DateTimeValue, PeriodCounts) are the engine's; the text
// fuzzer checks those against references of their own.
ModelResult PressModel(EngineState& state, std::string_view caption);

// The Number, Date or Time reading of an operand, for messages.
std::string ValueText(const CalcValue& value);
