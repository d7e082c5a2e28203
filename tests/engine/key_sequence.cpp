#include "key_sequence.h"

#include <array>
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

std::string WeekdayOf(std::chrono::year_month_day date) {
    constexpr std::array<const char*, 7> kNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return kNames[std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding()];
}

struct FactsWriter {
    std::string operator()(std::monostate) const { return ""; }
    std::string operator()(std::chrono::year_month_day date) const { return " @" + WeekdayOf(date); }
    std::string operator()(const DateDifferenceFacts& f) const {
        return " #" + std::to_string(f.TotalDays) + "/" + std::to_string(f.Weekdays) + " " + WeekdayOf(f.First) + "-" +
               WeekdayOf(f.Second);
    }
    std::string operator()(const TimeDifferenceFacts& f) const { return " #" + std::to_string(f.TotalSeconds) + "s"; }
    std::string operator()(const MovedTimeFacts& f) const {
        return (f.DaysMoved > 0 ? " +" : " ") + std::to_string(f.DaysMoved) + "d";
    }
};

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
            const std::string display =
                result.DisplayText + (result.Beep ? "!" : "") + std::visit(FactsWriter{}, result.Facts);
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
