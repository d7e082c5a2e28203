#include "calc_engine.h"

#include "number_text.h"

#include <algorithm>

namespace {

// Negative indexes turn huge as unsigned.
bool OnPad(ButtonIndex index) { return static_cast<std::size_t>(index) < kKeyCount; }

}  // namespace

CalcEngine::CalcEngine() { ApplyMode(kNumberMode); }

PressResult CalcEngine::Press(ButtonIndex index) {
    // The window never passes a disabled key; a stray index changes nothing either.
    if (!Enabled(index)) return {EntryText};

    if (EntryText == kError) EntryText.clear();
    const std::string_view caption = captions_[index];
    const Mode* mode = ModeOf(CalcMode);
    const Outcome outcome = mode != nullptr ? Run(*mode, caption) : Outcome{};
    if (!outcome.Message.empty()) return {std::string(outcome.Message), outcome.Beep};
    const bool ruleTold = !std::holds_alternative<std::monostate>(outcome.Facts);
    return {EntryText, outcome.Beep, ruleTold ? outcome.Facts : EntryFacts()};
}

void CalcEngine::ApplyMode(std::string_view mode) {
    const Mode* known = ModeOf(mode);
    if (known == nullptr) return;
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        captions_[i] = kKeyTable[i].*known->Column;
        enabled_[i] = mode == kNumberMode || !kKeyTable[i].NumberOnly;
    }
    CalcMode = mode;
}

std::string_view CalcEngine::Caption(ButtonIndex index) const {
    return OnPad(index) ? captions_[index] : std::string_view{};
}

bool CalcEngine::Enabled(ButtonIndex index) const { return OnPad(index) && enabled_[index]; }

const std::array<CalcEngine::KeyRule, 13> CalcEngine::kSharedRules{{
    {"0", &CalcEngine::Digit},
    {"1", &CalcEngine::Digit},
    {"2", &CalcEngine::Digit},
    {"3", &CalcEngine::Digit},
    {"4", &CalcEngine::Digit},
    {"5", &CalcEngine::Digit},
    {"6", &CalcEngine::Digit},
    {"7", &CalcEngine::Digit},
    {"8", &CalcEngine::Digit},
    {"9", &CalcEngine::Digit},
    {"Backspace", &CalcEngine::Backspace},
    {"CE", &CalcEngine::ClearEntry},
    {"C", &CalcEngine::ClearAll},
}};

CalcEngine::Outcome CalcEngine::Run(const Mode& mode, std::string_view caption) {
    for (const std::span<const KeyRule> rules : {mode.Rules, std::span<const KeyRule>(kSharedRules)}) {
        const auto rule = std::ranges::find(rules, caption, &KeyRule::Caption);
        if (rule != rules.end()) return (this->*rule->Run)(caption);
    }
    return {};
}

const CalcEngine::Mode* CalcEngine::ModeOf(std::string_view name) {
    static const std::array<Mode, 3> kModes{{
        {kNumberMode, &KeyRow::Number, kNumberRules},
        {kDateMode, &KeyRow::Date, kDateRules},
        {kTimeMode, &KeyRow::Time, kTimeRules},
    }};
    const auto mode = std::ranges::find(kModes, name, &Mode::Name);
    return mode != kModes.end() ? &*mode : nullptr;
}

void CalcEngine::StartFresh() {
    if (NewEntry) {
        EntryText.clear();
        NewEntry = false;
    }
    if (ResultShown) {
        EntryText.clear();
        ResultShown = false;
    }
}

void CalcEngine::ArmOperator(std::string_view caption) {
    PendingOp = caption;
    NewEntry = true;
    CaptureOperand2 = true;
}

CalcEngine::Outcome CalcEngine::Digit(std::string_view caption) {
    StartFresh();
    EntryText += caption;
    return {};
}

CalcEngine::Outcome CalcEngine::AppendOnly(std::string_view caption) {
    EntryText += caption;
    return {};
}

CalcEngine::Outcome CalcEngine::Backspace(std::string_view) {
    if (NumericValue(EntryText) == 0.0) return {};
    EntryText.pop_back();
    // While a second operand is typed, the first one must survive its editing.
    if (!CaptureOperand2) Operand1 = NumericValue(EntryText);
    return {};
}

CalcEngine::Outcome CalcEngine::ClearEntry(std::string_view) {
    EntryText.clear();
    return {};
}

CalcEngine::Outcome CalcEngine::ClearAll(std::string_view) {
    EntryText.clear();
    Operand1 = 0.0;
    Operand2 = 0.0;
    PendingOp.clear();
    NewEntry = false;
    CaptureOperand2 = false;
    ResultShown = false;
    return {};
}
