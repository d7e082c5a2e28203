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

// A period as " ~1/0/3" (" ~1:0:3" in Time mode), " ~3" without a separator, " ~-..." subtracted.
std::string PeriodMarker(const PeriodFacts& p, bool subtracted = false) {
    const std::string separator = p.Kind == PeriodFacts::Units::DaysMonthsYears ? "/" : ":";
    std::string counts = std::to_string(p.Counts[2]);
    if (p.Separated)
        counts = std::to_string(p.Counts[0]) + separator + std::to_string(p.Counts[1]) + separator + counts;
    return (subtracted ? " ~-" : " ~") + counts;
}

struct FactsWriter {
    std::string operator()(std::monostate) const { return ""; }
    std::string operator()(std::chrono::year_month_day date) const { return " @" + WeekdayOf(date); }
    std::string operator()(const DateDifferenceFacts& f) const {
        return " #" + std::to_string(f.TotalDays) + "/" + std::to_string(f.Weekdays) + " " + WeekdayOf(f.First) + "-" +
               WeekdayOf(f.Second);
    }
    std::string operator()(const TimeDifferenceFacts& f) const { return " #" + std::to_string(f.TotalSeconds) + "s"; }
    std::string operator()(const MovedDateFacts& f) const {
        return (*this)(f.Reached) + PeriodMarker(f.Period, f.Subtracted);
    }
    std::string operator()(const MovedTimeFacts& f) const {
        const std::string days =
            f.DaysMoved == 0 ? "" : (f.DaysMoved > 0 ? " +" : " ") + std::to_string(f.DaysMoved) + "d";
        return days + PeriodMarker(f.Period, f.Subtracted);
    }
    std::string operator()(const PeriodFacts& f) const { return PeriodMarker(f); }
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
        if (token == "T") {
            const auto typed = engine.TypeNow(kNow);
            shown.push_back(typed ? typed->DisplayText + (typed->Beep ? "!" : "") +
                                        std::visit(FactsWriter{}, typed->Facts)
                                  : "refused");
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
    std::vector compared(shown.end() - static_cast<std::ptrdiff_t>(expected.size()), shown.end());
    // A row that names no period leaves it unchecked.
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].find(" ~") == std::string::npos) compared[i] = compared[i].substr(0, compared[i].find(" ~"));
    }
    EXPECT_EQ(compared, expected) << row.Keys;
}
