#include "key_sequence.h"

#include <cctype>
#include <optional>
#include <sstream>

namespace {

std::optional<ButtonIndex> KeyOf(const CalcEngine& engine, std::string_view caption) {
    for (ButtonIndex index = 0; index < static_cast<ButtonIndex>(kKeyCount); ++index) {
        if (engine.Enabled(index) && engine.Caption(index) == caption) return index;
    }
    return std::nullopt;
}

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == '|') parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

}  // namespace

std::vector<std::string> PressKeys(CalcEngine& engine, std::string_view keys, int* beeps) {
    std::vector<std::string> shown;
    const auto press = [&](ButtonIndex index) {
        const PressResult result = engine.Press(index);
        if (beeps != nullptr && result.Beep) ++*beeps;
        return result.DisplayText;
    };
    std::istringstream tokens{std::string(keys)};
    for (std::string token; tokens >> token;) {
        if (token.size() > 2 && token.front() == '[') {
            engine.ApplyMode(token.substr(1, token.size() - 2));
            shown.push_back(engine.EntryText);
            continue;
        }
        if (const auto key = KeyOf(engine, token)) {
            shown.push_back(press(*key));
            continue;
        }
        std::string display;
        for (const char c : token) {
            const auto key = KeyOf(engine, std::string_view(&c, 1));
            if (!key) {
                ADD_FAILURE() << "no enabled key '" << c << "' in " << engine.CalcMode << " mode";
                return shown;
            }
            display = press(*key);
        }
        shown.push_back(display);
    }
    return shown;
}

std::string RowName(const testing::TestParamInfo<SequenceRow>& info) {
    std::string name = info.param.Name;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

EngineState StateOf(const CalcEngine& e) {
    return {e.CalcMode, e.EntryText, e.Operand1, e.Operand2, e.PendingOp, e.NewEntry, e.CaptureOperand2, e.ResultShown};
}

void PrintTo(const DateTime& value, std::ostream* out) { *out << DateTimeText(value); }

TEST_P(KeySequenceTest, Shows) {
    const SequenceRow& row = GetParam();
    CalcEngine engine;
    engine.ApplyMode(row.Mode);
    const std::vector<std::string> shown = PressKeys(engine, row.Keys);
    const std::vector<std::string> expected = Split(row.Expected);
    ASSERT_GE(shown.size(), expected.size());
    EXPECT_EQ(std::vector(shown.end() - static_cast<std::ptrdiff_t>(expected.size()), shown.end()), expected);
}

TEST_P(FormatErrorTest, EmptiesEntryOnly) {
    const SequenceRow& row = GetParam();
    const std::size_t cut = row.Keys.rfind(' ') + 1;  // 0 when the failing key is the only one
    const std::string failingKey = row.Keys.substr(cut);
    CalcEngine engine;
    engine.ApplyMode(row.Mode);
    PressKeys(engine, row.Keys.substr(0, cut));
    EngineState expected = StateOf(engine);
    auto& [mode, entry, first, second, pending, newEntry, capture, resultShown] = expected;
    if (failingKey == "=" && capture) {
        second = entry;
        capture = false;
    }
    entry.clear();
    EXPECT_EQ(PressKeys(engine, failingKey), std::vector{row.Expected});
    EXPECT_EQ(StateOf(engine), expected);
    EXPECT_EQ(PressKeys(engine, "5"), std::vector<std::string>{"5"});
}
