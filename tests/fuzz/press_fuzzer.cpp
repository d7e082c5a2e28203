// Drives the engine the way the window does, with mode switches and presses of enabled keys
// decoded from the fuzzer's bytes, and checks the engine's invariants after every action.
//
// Input format, one action per byte (make_seeds.py writes and reads it):
//   0xF0 and up: ApplyMode of "Number", "Date" or "Time", by (byte - 0xF0) % 3;
//   below 0xF0:  a press of the enabled key at position byte % (number of enabled keys), the
//                enabled keys taken in ButtonIndex order (23 in Number mode, 19 otherwise).

#include "calc_engine.h"
#include "date_time.h"
#include "key_table.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

constexpr std::array<std::string_view, 3> kModes{kNumberMode, kDateMode, kTimeMode};
constexpr std::uint8_t kFirstModeByte = 0xF0;
// A few thousand actions build entries of a few thousand characters at most, so a run stays in
// the milliseconds even though every press reads the whole entry.
constexpr std::size_t kMaxActions = 4096;
constexpr std::size_t kDisplayWidth = 15;
constexpr std::string_view kError = "ERROR";
constexpr std::string_view kDateError = "Error! Wrong Date format";
constexpr std::string_view kTimeError = "Error! Wrong Time format";

// The fields a press or a mode switch may change, as one comparable value.
struct EngineState {
    std::string CalcMode;
    std::string EntryText;
    CalcValue Operand1;
    CalcValue Operand2;
    std::string PendingOp;
    bool NewEntry = false;
    bool CaptureOperand2 = false;
    bool ResultShown = false;
};

EngineState StateOf(const CalcEngine& e) {
    return {e.CalcMode, e.EntryText, e.Operand1, e.Operand2, e.PendingOp, e.NewEntry, e.CaptureOperand2, e.ResultShown};
}

bool Matches(const CalcEngine& engine, const EngineState& state) {
    return engine.EntryText == state.EntryText && engine.CalcMode == state.CalcMode &&
           engine.Operand1 == state.Operand1 && engine.Operand2 == state.Operand2 &&
           engine.PendingOp == state.PendingOp && engine.NewEntry == state.NewEntry &&
           engine.CaptureOperand2 == state.CaptureOperand2 && engine.ResultShown == state.ResultShown;
}

// One decoded action, kept to print the sequence that broke an invariant.
struct Step {
    std::string_view Caption;  // the key's caption, or the mode name for a switch
    bool ModeSwitch;
    bool Typed;  // a digit or the mode's separator, written run together as a person types it
};

class Run {
public:
    [[noreturn]] void Fail(const CalcEngine& engine, std::string_view display, std::string_view what) const {
        std::fprintf(stderr,
                     "\npress_fuzzer: %.*s\n  keys: %s\n  display: \"%.*s\"\n  EntryText \"%s\", PendingOp \"%s\"\n",
                     static_cast<int>(what.size()), what.data(), KeyText().c_str(), static_cast<int>(display.size()),
                     display.data(), engine.EntryText.c_str(), engine.PendingOp.c_str());
        std::abort();
    }

    void Record(Step step) { steps_.push_back(step); }

private:
    // Row style: typed runs together (11/05/2000), other keys by caption, switches as [Date].
    std::string KeyText() const {
        std::string text;
        bool inRun = false;
        for (const Step& step : steps_) {
            if (!(step.Typed && inRun) && !text.empty()) text += ' ';
            if (step.ModeSwitch) text += '[';
            text += step.Caption;
            if (step.ModeSwitch) text += ']';
            inRun = step.Typed;
        }
        return text;
    }

    std::vector<Step> steps_;
};

// The C library's search: it runs twice per press on entries of thousands of characters, and
// a loop here would be slowed down by the fuzzer's instrumentation of every comparison.
bool ContainsInfOrNan(const std::string& text) {
    return strcasestr(text.c_str(), "inf") != nullptr || strcasestr(text.c_str(), "nan") != nullptr;
}

bool HoldsNan(const CalcValue& value) {
    return std::holds_alternative<double>(value) && std::isnan(std::get<double>(value));
}

bool IsTypedKey(ButtonIndex index, std::string_view caption) {
    return (caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9') || index == 20;
}

std::string_view KeyRow::*ColumnOf(std::string_view mode) {
    if (mode == kDateMode) return &KeyRow::Date;
    if (mode == kTimeMode) return &KeyRow::Time;
    return &KeyRow::Number;
}

// Reads "<int><first><int><second><int><third>" exactly, as the differences are written.
std::optional<std::array<long long, 3>> DifferenceCounts(std::string_view text,
                                                         const std::array<std::string_view, 3>& names) {
    std::array<long long, 3> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const bool negative = !text.empty() && text.front() == '-';
        if (negative) text.remove_prefix(1);
        std::size_t digits = 0;
        long long value = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9' && digits < 18) {
            value = value * 10 + (text[digits] - '0');
            ++digits;
        }
        if (digits == 0 || !text.substr(digits).starts_with(names[i])) return std::nullopt;
        text.remove_prefix(digits + names[i].size());
        counts[i] = negative ? -value : value;
    }
    if (!text.empty()) return std::nullopt;
    return counts;
}

void CheckKeys(const Run& run, const CalcEngine& engine, std::string_view display) {
    if (std::find(kModes.begin(), kModes.end(), engine.CalcMode) == kModes.end()) {
        run.Fail(engine, display, "CalcMode is not one of the three names");
    }
    const auto column = ColumnOf(engine.CalcMode);
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        const auto index = static_cast<ButtonIndex>(i);
        if (engine.Caption(index) != kKeyTable[i].*column)
            run.Fail(engine, display, "a caption differs from the key table");
        const bool enabled = engine.CalcMode == kNumberMode || !kKeyTable[i].NumberOnly;
        if (engine.Enabled(index) != enabled) run.Fail(engine, display, "an enabled flag differs from the key table");
    }
}

void CheckCommon(const Run& run, const CalcEngine& engine, const std::string& display) {
    CheckKeys(run, engine, display);
    if (ContainsInfOrNan(display) || ContainsInfOrNan(engine.EntryText)) run.Fail(engine, display, "inf or nan shown");
    if (HoldsNan(engine.Operand1) || HoldsNan(engine.Operand2)) run.Fail(engine, display, "an operand holds NaN");
    if (engine.EntryText == kDateError || engine.EntryText == kTimeError) {
        run.Fail(engine, display, "a format message was put into EntryText");
    }
}

// A date or time that the engine produced: it must read back and be written the same way again.
void CheckRoundTrip(const Run& run, const CalcEngine& engine, std::string_view display) {
    const auto value = DateTimeValue(display);
    if (!value) run.Fail(engine, display, "a shown date or time is not a date-time");
    const std::string again = engine.CalcMode == kDateMode ? DateText(*value) : DateTimeText(*value);
    if (again != display) run.Fail(engine, display, "a shown date or time does not round-trip");
}

void CheckDifference(const Run& run, const CalcEngine& engine, std::string_view display) {
    const bool date = engine.CalcMode == kDateMode;
    const auto counts = date ? DifferenceCounts(display, {" Years: ", " Months: ", " Days"})
                             : DifferenceCounts(display, {" Hours: ", " Minutes: ", " Seconds "});
    if (!counts) run.Fail(engine, display, "a difference is not in its form");
    const auto [large, middle, small] = *counts;
    if (large < 0 || middle < 0 || small < 0) run.Fail(engine, display, "a difference has a negative count");
    // Days reach 31 at most: the count runs from a day of the month before Later, which may have
    // been clamped (29/02/2160 to 28/09/8598 is 6438 Years: 6 Months: 31 Days).
    if (date && (middle >= 12 || small > 31)) run.Fail(engine, display, "a difference has Months >= 12 or Days > 31");
    if (!date && (middle >= 60 || small >= 60)) run.Fail(engine, display, "a difference has Minutes or Seconds >= 60");
}

void CheckNumberPress(const Run& run, const CalcEngine& engine, std::string_view caption, const PressResult& result) {
    const std::string_view display = result.DisplayText;
    if (display != engine.EntryText) run.Fail(engine, display, "Number mode shows something other than EntryText");
    if (result.Beep && (caption != "." || engine.EntryText.find('.') == std::string::npos)) {
        run.Fail(engine, display, "a beep other than for a second decimal point");
    }
    if ((caption == "=" || caption == "1/x" || caption == "sqrt") && display != kError &&
        display.size() > kDisplayWidth) {
        run.Fail(engine, display, "a result wider than 15 characters");
    }
    if (caption == "=" && display != kError) {
        const auto* result1 = std::get_if<double>(&engine.Operand1);
        if (result1 == nullptr || CutToDisplay(NumberText(*result1)) != display) {
            run.Fail(engine, display, "the shown result is not the cut text of Operand1");
        }
    }
    if (caption == "%" && display != kError) {
        const auto* percent = std::get_if<double>(&engine.Operand2);
        if (percent == nullptr || NumberText(*percent) != display)
            run.Fail(engine, display, "a percent is not Operand2's text");
    }
}

void CheckCalendarPress(const Run& run, const CalcEngine& engine, const EngineState& before, std::string_view caption,
                        const PressResult& result) {
    const std::string_view display = result.DisplayText;
    const std::string_view message = engine.CalcMode == kDateMode ? kDateError : kTimeError;
    const bool isOperator = caption == "Add" || caption == "Sub" || caption == "Dif";
    if (result.Beep) run.Fail(engine, display, "a beep outside Number mode");
    if (engine.EntryText == kError) run.Fail(engine, display, "ERROR left in the entry outside Number mode");

    if (display != engine.EntryText) {
        if (display != message) run.Fail(engine, display, "the display is neither EntryText nor the mode's message");
        if (!engine.EntryText.empty()) run.Fail(engine, display, "EntryText not empty after a format message");
        if (!isOperator && caption != "=")
            run.Fail(engine, display, "a format message from a key that validates nothing");
        // Nothing but the entry changes; at "=" the second operand has been taken already.
        EngineState expected = before;
        expected.EntryText.clear();
        if (caption == "=" && before.CaptureOperand2) {
            expected.Operand2 = before.EntryText == kError ? std::string() : before.EntryText;
            expected.CaptureOperand2 = false;
        }
        if (!Matches(engine, expected)) run.Fail(engine, display, "a format error changed more than the entry");
        return;
    }

    if (isOperator) {
        CheckRoundTrip(run, engine, display);
        const auto* first = std::get_if<std::string>(&engine.Operand1);
        if (first == nullptr || *first != display) run.Fail(engine, display, "Operand1 is not the validated entry");
        if (engine.PendingOp != caption || !engine.NewEntry || !engine.CaptureOperand2) {
            run.Fail(engine, display, "an operator press did not arm the operator");
        }
    } else if (caption == "=" && (before.PendingOp == "Add" || before.PendingOp == "Sub")) {
        CheckRoundTrip(run, engine, display);
        const auto* moved = std::get_if<DateTime>(&engine.Operand1);
        if (moved == nullptr) run.Fail(engine, display, "a moved date is not held as a Date");
        const std::string text = engine.CalcMode == kDateMode ? DateText(*moved) : DateTimeText(*moved);
        if (text != display) run.Fail(engine, display, "the shown date is not the text of Operand1");
        if (engine.CalcMode == kTimeMode &&
            (moved->Time < kZeroDate || moved->Time >= kZeroDate + std::chrono::days{1})) {
            run.Fail(engine, display, "a moved time is not a time of day");
        }
        if (!engine.ResultShown) run.Fail(engine, display, "a result without ResultShown");
    } else if (caption == "=" && before.PendingOp == "Dif") {
        CheckDifference(run, engine, display);
        if (!engine.ResultShown) run.Fail(engine, display, "a result without ResultShown");
    }
}

void CheckPress(const Run& run, const CalcEngine& engine, const EngineState& before, std::string_view caption,
                const PressResult& result) {
    CheckCommon(run, engine, result.DisplayText);
    if (engine.CalcMode != before.CalcMode) run.Fail(engine, result.DisplayText, "a press changed the mode");
    // Editing the second operand leaves the first alone, in every mode.
    if (before.CaptureOperand2 && (caption == "Backspace" || caption == "1/x" || caption == "sqrt") &&
        !(engine.Operand1 == before.Operand1)) {
        run.Fail(engine, result.DisplayText, "editing the second operand changed Operand1");
    }
    if (caption == "C") {
        const EngineState cleared{engine.CalcMode, "", 0.0, 0.0, "", false, false, false};
        if (!Matches(engine, cleared)) run.Fail(engine, result.DisplayText, "C left something uncleared");
    }
    if (engine.CalcMode == kNumberMode) CheckNumberPress(run, engine, caption, result);
    else CheckCalendarPress(run, engine, before, caption, result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CalcEngine engine;
    Run run;
    const EngineState start{std::string(kNumberMode), "", {}, {}, "", false, false, false};
    if (!Matches(engine, start)) run.Fail(engine, "", "a new engine does not hold the start values");
    CheckKeys(run, engine, "");

    std::array<ButtonIndex, kKeyCount> enabled{};
    for (std::size_t i = 0; i < std::min(size, kMaxActions); ++i) {
        const std::uint8_t byte = data[i];
        if (byte >= kFirstModeByte) {
            const std::string_view mode = kModes[(byte - kFirstModeByte) % kModes.size()];
            run.Record({mode, true, false});
            EngineState expected = StateOf(engine);
            engine.ApplyMode(mode);
            expected.CalcMode = mode;
            CheckKeys(run, engine, "");
            if (!Matches(engine, expected)) run.Fail(engine, "", "a mode switch changed more than the mode");
            continue;
        }
        std::size_t count = 0;
        for (std::size_t k = 0; k < kKeyCount; ++k) {
            if (engine.Enabled(static_cast<ButtonIndex>(k))) enabled[count++] = static_cast<ButtonIndex>(k);
        }
        const ButtonIndex index = enabled[byte % count];
        const std::string_view caption = engine.Caption(index);
        run.Record({caption, false, IsTypedKey(index, caption)});
        const EngineState before = StateOf(engine);
        const PressResult result = engine.Press(index);
        CheckPress(run, engine, before, caption, result);
    }
    return 0;
}
