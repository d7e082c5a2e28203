#pragma once

#include "calc_value.h"
#include "display_facts.h"
#include "key_table.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct PressResult {
    std::string DisplayText;
    bool Beep = false;  // a refused second decimal point
    DisplayFacts Facts{};
};

struct CalendarMode;

// The window-free calculator: a key index in, the display text out. Holds the state between
// presses as plain fields; the window owns one for its whole life.
class CalcEngine {
public:
    CalcEngine();

    PressResult Press(ButtonIndex index);
    // "Number", "Date" or "Time": relabels and enables the keys, then sets CalcMode. Any other
    // name changes nothing. Touches no other field, so a computation carries over.
    void ApplyMode(std::string_view mode);

    // Today's date in Date mode, the time now in Time mode, typed in place of the entry as CE and
    // then the digits would: as the first operand, or the second after Dif. The caller reads the
    // clock. None, and nothing changes, where TakesNow says no or `now` lies outside the range.
    std::optional<PressResult> TypeNow(DateTime now);
    // Date or Time mode, and no period being typed after Add or Sub.
    bool TakesNow() const;
    // Date or Time mode, and Add or Sub waiting for its period.
    bool AwaitsPeriod() const;

    std::string_view Caption(ButtonIndex index) const;
    bool Enabled(ButtonIndex index) const;

    std::string CalcMode;
    std::string EntryText;
    CalcValue Operand1;
    CalcValue Operand2;
    std::string PendingOp;
    bool NewEntry = false;         // the next digit starts a fresh entry (after an operator)
    bool CaptureOperand2 = false;  // the next "=" takes Operand2 from the entry
    bool ResultShown = false;      // the next digit starts a fresh entry (after "=")

private:
    // What a key's rule hands back to the press frame: a message that replaces EntryText on the
    // display (the format errors), whether to sound the signal, and what a result means.
    struct Outcome {
        std::string_view Message;
        bool Beep = false;
        DisplayFacts Facts{};
    };
    using Action = Outcome (CalcEngine::*)(std::string_view caption);
    struct KeyRule {
        std::string_view Caption;
        Action Run;
    };

    // A mode: its name, the key-table column it shows, and its own keys' rules.
    struct Mode {
        std::string_view Name;
        std::string_view KeyRow::*Column;
        std::span<const KeyRule> Rules;
    };
    static const Mode* ModeOf(std::string_view name);  // null for an unknown name
    // The mode's own rule for the caption, else the shared one; no rule changes nothing.
    Outcome Run(const Mode& mode, std::string_view caption);
    const CalendarMode& Calendar() const;

    // Shared by every mode.
    Outcome Digit(std::string_view caption);
    Outcome AppendOnly(std::string_view caption);
    Outcome Backspace(std::string_view caption);
    Outcome ClearEntry(std::string_view caption);
    Outcome ClearAll(std::string_view caption);
    void StartFresh();
    void ArmOperator(std::string_view caption);

    // Number mode.
    Outcome DecimalPoint(std::string_view caption);
    Outcome ArithmeticOperator(std::string_view caption);
    Outcome Percent(std::string_view caption);
    Outcome NumberEquals(std::string_view caption);
    Outcome ChangeSign(std::string_view caption);
    Outcome Reciprocal(std::string_view caption);
    Outcome SquareRoot(std::string_view caption);
    // Shows a result cut for the display, storing it unless into is null; "ERROR" when not finite.
    void ShowResult(double result, CalcValue* into);

    // Date and Time mode.
    Outcome CalendarError();
    Outcome CalendarOperator(std::string_view caption);
    Outcome CalendarEquals(std::string_view caption);
    // In Date mode, the date that the entry on show reads as, unless it is a period being typed.
    DisplayFacts EntryFacts() const;

    static constexpr std::string_view kError = "ERROR";
    // Each mode's own keys; the digits and the clearing keys, the same in every mode, are shared.
    static const std::array<KeyRule, 13> kSharedRules;
    static const std::array<KeyRule, 10> kNumberRules;
    static const std::array<KeyRule, 5> kDateRules;
    static const std::array<KeyRule, 5> kTimeRules;

    std::array<std::string_view, kKeyCount> captions_{};
    std::array<bool, kKeyCount> enabled_{};
};
