#include "key_sequence.h"

#include <cctype>
#include <charconv>
#include <optional>
#include <sstream>

namespace {

std::optional<ButtonIndex> EnabledKey(const CalcEngine& engine, std::string_view caption) {
    for (ButtonIndex index = 0; index < static_cast<ButtonIndex>(kKeyCount); ++index) {
        if (engine.Enabled(index) && engine.Caption(index) == caption) return index;
    }
    return std::nullopt;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

void PrintValue(const CalcValue& value, std::ostream* out) {
    if (std::holds_alternative<std::monostate>(value)) *out << "Empty";
    if (const auto* number = std::get_if<double>(&value)) *out << "Number " << *number;
    if (const auto* date = std::get_if<DateTime>(&value)) PrintTo(*date, out);
    if (const auto* text = std::get_if<std::string>(&value)) *out << "Text \"" << *text << '"';
}

}  // namespace

Trace PressKeys(CalcEngine& engine, std::string_view keys) {
    Trace trace;
    const auto press = [&](ButtonIndex index) {
        PressResult result = engine.Press(index);
        trace.Beeps += result.Beep ? 1 : 0;
        return std::move(result.DisplayText);
    };
    for (const std::string& token : Split(keys, ' ')) {
        if (token.empty()) continue;
        if (token.size() > 2 && token.front() == '[' && token.back() == ']') {
            engine.ApplyMode(token.substr(1, token.size() - 2));
            trace.Displays.push_back(engine.EntryText);
        } else if (const auto key = EnabledKey(engine, token)) {
            trace.Displays.push_back(press(*key));
        } else {
            std::string display;
            for (const char character : token) {
                const auto charKey = EnabledKey(engine, std::string_view(&character, 1));
                if (!charKey) {
                    ADD_FAILURE() << "no enabled key '" << character << "' in " << engine.CalcMode << " mode, token \""
                                  << token << '"';
                    return trace;
                }
                display = press(*charKey);
            }
            trace.Displays.push_back(display);
        }
    }
    return trace;
}

EngineState StateOf(const CalcEngine& engine) {
    return {engine.CalcMode,  engine.EntryText, engine.Operand1,        engine.Operand2,
            engine.PendingOp, engine.NewEntry,  engine.CaptureOperand2, engine.ResultShown};
}

std::string Digits(int count) {
    std::string digits(static_cast<std::size_t>(count), '9');
    return digits;
}

std::vector<std::int64_t> CountsIn(std::string_view text) {
    std::vector<std::int64_t> counts;
    for (const char* at = text.data(); at < text.data() + text.size(); ++at) {
        std::int64_t count = 0;
        const auto [end, error] = std::from_chars(at, text.data() + text.size(), count);
        if (error == std::errc{}) {
            counts.push_back(count);
            at = end;
        }
    }
    return counts;
}

std::string TestName(std::string_view name) {
    std::string result;
    for (const char c : name) result += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return result;
}

void PrintTo(const DateTime& value, std::ostream* out) { *out << "Date " << DateTimeText(value); }

void PrintTo(const EngineState& state, std::ostream* out) {
    *out << "{CalcMode \"" << state.CalcMode << "\", EntryText \"" << state.EntryText << "\", Operand1 ";
    PrintValue(state.Operand1, out);
    *out << ", Operand2 ";
    PrintValue(state.Operand2, out);
    *out << ", PendingOp \"" << state.PendingOp << "\", NewEntry " << state.NewEntry << ", CaptureOperand2 "
         << state.CaptureOperand2 << ", ResultShown " << state.ResultShown << '}';
}

void PrintTo(const SequenceRow& row, std::ostream* out) { *out << row.Mode << ": " << row.Keys.substr(0, 120); }

void PrintTo(const FormatErrorRow& row, std::ostream* out) {
    *out << row.Mode << ": " << row.Keys.substr(0, 120) << " then " << row.Key;
}

// The rows live with their mode's tests; each file instantiates these two with its own table.
TEST_P(KeySequenceTest, Shows) {
    const SequenceRow& row = GetParam();
    CalcEngine engine;
    engine.ApplyMode(row.Mode);
    const Trace trace = PressKeys(engine, row.Keys);
    const std::vector<std::string> expected = Split(row.Expected, '|');
    ASSERT_GE(trace.Displays.size(), expected.size());
    const std::vector<std::string> shown(trace.Displays.end() - static_cast<std::ptrdiff_t>(expected.size()),
                                         trace.Displays.end());
    EXPECT_EQ(shown, expected);
}

TEST_P(FormatErrorTest, EmptiesEntryOnly) {
    const FormatErrorRow& row = GetParam();
    CalcEngine engine;
    engine.ApplyMode(row.Mode);
    PressKeys(engine, row.Keys);
    EngineState expected = StateOf(engine);
    if (row.Key == "=" && expected.CaptureOperand2) {
        expected.Operand2 = expected.EntryText;
        expected.CaptureOperand2 = false;
    }
    expected.EntryText.clear();
    const Trace trace = PressKeys(engine, row.Key);
    ASSERT_EQ(trace.Displays.size(), 1u);
    EXPECT_EQ(trace.Displays[0], row.Message);
    EXPECT_EQ(StateOf(engine), expected);
    EXPECT_EQ(PressKeys(engine, "5").Displays, std::vector<std::string>{"5"});
}
