#include "key_sequence.h"

#include <cctype>
#include <optional>
#include <ranges>
#include <sstream>

namespace {

std::optional<ButtonIndex> KeyOf(const CalcEngine& engine, std::string_view caption) {
    for (ButtonIndex index = 0; index < static_cast<ButtonIndex>(kKeyCount); ++index) {
        if (engine.Enabled(index) && engine.Caption(index) == caption) return index;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> PressKeys(CalcEngine& engine, std::string_view keys) {
    std::vector<std::string> shown;
    std::istringstream tokens{std::string(keys)};
    for (std::string token; tokens >> token;) {
        if (token.front() == '[') {
            engine.ApplyMode(token.substr(1, token.size() - 2));
            shown.push_back(engine.EntryText);
            continue;
        }
        const bool whole = KeyOf(engine, token).has_value();
        for (std::size_t i = 0; i < (whole ? 1 : token.size()); ++i) {
            const auto key = KeyOf(engine, whole ? std::string_view(token) : std::string_view(token).substr(i, 1));
            if (!key) {
                ADD_FAILURE() << "no enabled key for '" << token << "' in " << engine.CalcMode << " mode";
                return shown;
            }
            const PressResult result = engine.Press(*key);
            std::string display = result.DisplayText + (result.Beep ? "!" : "");
            if (result.TotalDays) display += " #" + std::to_string(*result.TotalDays);
            if (i == 0) shown.push_back(display);
            else shown.back() = display;
        }
    }
    return shown;
}

std::string RowName(const testing::TestParamInfo<SequenceRow>& info) {
    std::string name = info.param.Name;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

void PrintTo(const DateTime& value, std::ostream* out) { *out << DateTimeText(value); }

TEST_P(KeySequenceTest, Shows) {
    const SequenceRow& row = GetParam();
    CalcEngine engine;
    engine.ApplyMode(row.Mode);
    const std::vector<std::string> shown = PressKeys(engine, row.Keys);
    std::vector<std::string> expected;
    for (const auto part : std::views::split(row.Expected, '|')) expected.emplace_back(part.begin(), part.end());
    ASSERT_GE(shown.size(), expected.size()) << row.Keys;
    EXPECT_EQ(std::vector(shown.end() - static_cast<std::ptrdiff_t>(expected.size()), shown.end()), expected)
        << row.Keys;
}
