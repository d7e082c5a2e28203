#include "calc_engine.h"

#include "calendar.h"
#include "difference.h"
#include "period.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

// What tells Date mode from Time mode; the rules themselves are the same.
struct CalendarMode {
    using Step = std::optional<DateTime> (*)(DateTime, std::int64_t);

    std::string_view FormatError;
    std::string_view Separator;
    PeriodFacts::Units PeriodUnits;
    std::array<Step, 3> Steps;  // applied in this order to the three counts of a period
    bool WrapsAtMidnight;       // a moved clock time stays a time of day
    DifferenceResult (*Difference)(DateTime first, DateTime second);
    std::string (*Text)(DateTime);
    DateTime (*Now)(DateTime);  // the part of the present moment an entry of the mode holds
};

namespace {

constexpr CalendarMode kDateCalendar{
    .FormatError = "Error! Wrong Date format",
    .Separator = "/",
    .PeriodUnits = PeriodFacts::Units::DaysMonthsYears,
    .Steps = {AddDays, AddMonths, AddYears},
    .WrapsAtMidnight = false,
    .Difference = DateDifference,
    .Text = DateText,
    .Now = [](DateTime now) { return DateTime{std::chrono::floor<std::chrono::days>(now.Time)}; },
};

constexpr CalendarMode kTimeCalendar{
    .FormatError = "Error! Wrong Time format",
    .Separator = ":",
    .PeriodUnits = PeriodFacts::Units::HoursMinutesSeconds,
    .Steps = {AddHours, AddMinutes, AddSeconds},
    .WrapsAtMidnight = true,
    .Difference = TimeDifference,
    .Text = DateTimeText,
    .Now = TimeOfDayOnly,
};

// A count cut toward zero; none when it reaches a trillion, where every move leaves the range
// anyway and a fact would tell a count other than the one typed.
std::optional<std::int64_t> WholeCount(double count) {
    constexpr double kLimit = 1e12;
    if (std::isnan(count)) return 0;
    if (std::abs(count) >= kLimit) return std::nullopt;
    return static_cast<std::int64_t>(std::trunc(count));
}

std::optional<PeriodFacts> PeriodOf(const CalendarMode& mode, std::string_view text) {
    const std::array<double, 3> counts = PeriodCounts(text, mode.Separator);
    PeriodFacts period{mode.PeriodUnits, {}, text.find(mode.Separator) != std::string_view::npos};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const auto count = WholeCount(counts[i]);
        if (!count) return std::nullopt;
        period.Counts[i] = *count;
    }
    return period;
}

std::optional<DateTime> Move(const CalendarMode& mode, DateTime from, const PeriodFacts& period, int sign) {
    std::optional<DateTime> moved = from;
    for (std::size_t i = 0; i < period.Counts.size() && moved; ++i) {
        moved = mode.Steps[i](*moved, sign * period.Counts[i]);
    }
    return moved;
}

}  // namespace

const std::array<CalcEngine::KeyRule, 5> CalcEngine::kDateRules{{
    {"/", &CalcEngine::AppendOnly},
    {"Add", &CalcEngine::CalendarOperator},
    {"Sub", &CalcEngine::CalendarOperator},
    {"Dif", &CalcEngine::CalendarOperator},
    {"=", &CalcEngine::CalendarEquals},
}};

const std::array<CalcEngine::KeyRule, 5> CalcEngine::kTimeRules{{
    {":", &CalcEngine::AppendOnly},
    {"Add", &CalcEngine::CalendarOperator},
    {"Sub", &CalcEngine::CalendarOperator},
    {"Dif", &CalcEngine::CalendarOperator},
    {"=", &CalcEngine::CalendarEquals},
}};

const CalendarMode& CalcEngine::Calendar() const { return CalcMode == kTimeMode ? kTimeCalendar : kDateCalendar; }

bool CalcEngine::AwaitsPeriod() const {
    return (CalcMode == kDateMode || CalcMode == kTimeMode) && CaptureOperand2 &&
           (PendingOp == "Add" || PendingOp == "Sub");
}

bool CalcEngine::TakesNow() const { return (CalcMode == kDateMode || CalcMode == kTimeMode) && !AwaitsPeriod(); }

std::optional<PressResult> CalcEngine::TypeNow(DateTime now) {
    if (!TakesNow() || !MakeDateTime(now.Time)) return std::nullopt;
    StartFresh();
    EntryText = Calendar().Text(Calendar().Now(now));
    return PressResult{EntryText, false, EntryFacts()};
}

CalcEngine::Outcome CalcEngine::CalendarError() {
    EntryText.clear();
    return {Calendar().FormatError};
}

CalcEngine::Outcome CalcEngine::CalendarOperator(std::string_view caption) {
    const auto value = DateTimeValue(EntryText);
    if (!value) return CalendarError();
    EntryText = Calendar().Text(*value);
    Operand1 = EntryText;
    ArmOperator(caption);
    return {};
}

CalcEngine::Outcome CalcEngine::CalendarEquals(std::string_view) {
    const CalendarMode& mode = Calendar();
    if (CaptureOperand2) {
        Operand2 = EntryText;
        CaptureOperand2 = false;
    }
    const auto first = ReadAsDateTime(Operand1);
    Outcome outcome;
    if (PendingOp == "Add" || PendingOp == "Sub") {
        const auto period = PeriodOf(mode, EntryText);
        const bool subtracted = PendingOp == "Sub";
        auto moved = first && period ? Move(mode, *first, *period, subtracted ? -1 : 1) : std::nullopt;
        if (!moved) return CalendarError();
        if (mode.WrapsAtMidnight) {
            // The wrap hides the days crossed; the result tells them.
            outcome.Facts = MovedTimeFacts{DayCount(*first, *moved), *period, subtracted};
            moved = TimeOfDayOnly(*moved);
        } else {
            outcome.Facts = MovedDateFacts{moved->Date(), *period, subtracted};
        }
        Operand1 = *moved;
        EntryText = mode.Text(*moved);
    } else if (PendingOp == "Dif") {
        const auto second = DateTimeValue(EntryText);
        if (!first || !second) return CalendarError();
        DifferenceResult difference = mode.Difference(*first, *second);
        EntryText = std::move(difference.Text);
        Operand1 = EntryText;
        outcome.Facts = difference.Facts;
    } else {
        Operand1 = EntryText;
    }
    ResultShown = true;
    return outcome;
}

DisplayFacts CalcEngine::EntryFacts() const {
    if (CalcMode != kDateMode && CalcMode != kTimeMode) return {};
    // After Add or Sub the entry being typed is a period, however much it looks like a date.
    if (AwaitsPeriod() && !NewEntry) {
        const auto period = EntryText.empty() ? std::nullopt : PeriodOf(Calendar(), EntryText);
        return period ? DisplayFacts{*period} : DisplayFacts{};
    }
    if (CalcMode != kDateMode) return {};
    const auto value = DateTimeValue(EntryText);
    return value ? DisplayFacts{value->Date()} : DisplayFacts{};
}
