#include "press_model.h"

#include "date_time.h"
#include "number_text.h"
#include "period.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <variant>

namespace {

using Seconds = std::int64_t;  // since 01/01/1970 00:00:00, as sys_seconds counts

constexpr std::string_view kError = "ERROR";
constexpr Seconds kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// Days since 01/01/1970 of a Gregorian date, counted in 400-year eras from 1 March.
std::int64_t DayNumber(std::int64_t year, std::int64_t month, std::int64_t day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;                                        // [0, 399]
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // [0, 146096]
    return era * 146097 + dayOfEra - 719468;
}

struct Civil {
    std::int64_t Year;
    int Month;  // [1, 12]
    int Day;    // [1, 31]
};

Civil CivilOf(std::int64_t dayNumber) {
    const std::int64_t z = dayNumber + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;                                                  // [0, 146096]
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365]
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;                                          // [0, 11], from March
    const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool IsLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(std::int64_t year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

const Seconds kZero = DayNumber(1899, 12, 30) * kSecondsPerDay;
const Seconds kFirst = DayNumber(100, 1, 1) * kSecondsPerDay;
const Seconds kPastLast = (DayNumber(9999, 12, 31) + 1) * kSecondsPerDay;

std::optional<Seconds> InRange(Seconds t) {
    if (t < kFirst || t >= kPastLast) return std::nullopt;
    return t;
}

Seconds DayOf(Seconds t) { return FloorDiv(t, kSecondsPerDay); }
Seconds ClockOf(Seconds t) { return t - DayOf(t) * kSecondsPerDay; }  // [0, 86399]

DateTime ToDateTime(Seconds t) { return DateTime{std::chrono::sys_seconds{std::chrono::seconds{t}}}; }
Seconds FromDateTime(DateTime value) { return value.Time.time_since_epoch().count(); }

// The whole range is under 4E11 seconds, so a larger count of any unit leaves it; below that
// bound the products stay far inside 64 bits.
constexpr std::int64_t kBeyondRange = 400'000'000'000;

std::optional<Seconds> AddSpan(Seconds t, std::int64_t count, Seconds unit) {
    if (count > kBeyondRange || count < -kBeyondRange) return std::nullopt;
    return InRange(t + count * unit);
}

std::optional<Seconds> AddMonths(Seconds t, std::int64_t months) {
    if (months > kBeyondRange || months < -kBeyondRange) return std::nullopt;
    const Civil date = CivilOf(DayOf(t));
    const std::int64_t index = date.Year * 12 + (date.Month - 1) + months;
    const std::int64_t year = FloorDiv(index, 12);
    if (year < 100 || year > 9999) return std::nullopt;
    const int month = static_cast<int>(index - year * 12) + 1;
    const int day = std::min(date.Day, DaysInMonth(year, month));
    return InRange(DayNumber(year, month, day) * kSecondsPerDay + ClockOf(t));
}

// A count cut toward zero; anything at or beyond the bound leaves the range whatever its unit.
std::int64_t Whole(double count) {
    if (!(std::abs(count) < 1e12)) return count < 0 ? -kBeyondRange - 1 : kBeyondRange + 1;
    return static_cast<std::int64_t>(std::trunc(count));
}

std::optional<Seconds> ReadAsSeconds(const CalcValue& value) {
    if (std::holds_alternative<std::monostate>(value)) return kZero;
    if (const auto* date = std::get_if<DateTime>(&value)) return FromDateTime(*date);
    if (const auto* text = std::get_if<std::string>(&value)) {
        const auto read = DateTimeValue(*text);
        if (!read) return std::nullopt;
        return FromDateTime(*read);
    }
    // A Number is a count of days from the zero date, rounded to the second.
    const double days = std::get<double>(value);
    const double first = static_cast<double>((kFirst - kZero) / kSecondsPerDay);
    const double pastLast = static_cast<double>((kPastLast - kZero) / kSecondsPerDay);
    if (!(days >= first && days < pastLast)) return std::nullopt;
    return InRange(kZero + std::llround(days * static_cast<double>(kSecondsPerDay)));
}

double OperandNumber(const CalcValue& value) {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* date = std::get_if<DateTime>(&value)) {
        return static_cast<double>(FromDateTime(*date) - kZero) / static_cast<double>(kSecondsPerDay);
    }
    if (const auto* text = std::get_if<std::string>(&value)) return NumericValue(*text);
    return 0.0;
}

std::string DifferenceOfDates(Seconds a, Seconds b) {
    const Seconds earlier = a < b ? a : b;
    const Seconds later = a < b ? b : a;
    const Civil e = CivilOf(DayOf(earlier));
    const Civil l = CivilOf(DayOf(later));
    std::int64_t years = l.Year - e.Year;
    if (std::pair{e.Month, e.Day} > std::pair{l.Month, l.Day}) --years;
    const Seconds anchor = *AddMonths(earlier, 12 * years);
    const Civil an = CivilOf(DayOf(anchor));
    std::int64_t months = (l.Year * 12 + l.Month) - (an.Year * 12 + an.Month);
    if (e.Day > l.Day) --months;
    const Seconds anchor2 = *AddMonths(anchor, months);
    const std::int64_t days = DayOf(later) - DayOf(anchor2);
    return std::to_string(years) + " Years: " + std::to_string(months) + " Months: " + std::to_string(days) + " Days";
}

std::string DifferenceOfTimes(Seconds a, Seconds b) {
    const Seconds earlier = a < b ? a : b;
    const Seconds later = a < b ? b : a;
    const Seconds ec = ClockOf(earlier);
    const Seconds lc = ClockOf(later);
    std::int64_t hours = FloorDiv(later, 3600) - FloorDiv(earlier, 3600);
    if (std::pair{ec / 60 % 60, ec % 60} > std::pair{lc / 60 % 60, lc % 60}) --hours;
    const Seconds anchor = earlier + hours * 3600;
    std::int64_t minutes = FloorDiv(later, 60) - FloorDiv(anchor, 60);
    if (ec % 60 > lc % 60) --minutes;
    const Seconds anchor2 = anchor + minutes * 60;
    return std::to_string(hours) + " Hours: " + std::to_string(minutes) + " Minutes: " +
           std::to_string(later - anchor2) + " Seconds ";
}

class Model {
public:
    explicit Model(EngineState& state) : s_(state) {}

    ModelResult Press(std::string_view caption) {
        if (s_.EntryText == kError) s_.EntryText.clear();
        if (s_.CalcMode == "Number") NumberKey(caption);
        else if (s_.CalcMode == "Date" || s_.CalcMode == "Time") CalendarKey(caption);
        return {message_.empty() ? s_.EntryText : std::string(message_), beep_};
    }

private:
    static bool IsDigit(std::string_view caption) { return caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9'; }

    void StartFresh() {
        if (s_.NewEntry || s_.ResultShown) s_.EntryText.clear();
        s_.NewEntry = false;
        s_.ResultShown = false;
    }

    void Arm(std::string_view caption) {
        s_.PendingOp = caption;
        s_.NewEntry = true;
        s_.CaptureOperand2 = true;
    }

    bool SharedKey(std::string_view caption) {
        if (IsDigit(caption)) {
            StartFresh();
            s_.EntryText += caption;
        } else if (caption == "Backspace") {
            if (NumericValue(s_.EntryText) != 0.0) {
                s_.EntryText.pop_back();
                if (!s_.CaptureOperand2) s_.Operand1 = NumericValue(s_.EntryText);
            }
        } else if (caption == "CE") {
            s_.EntryText.clear();
        } else if (caption == "C") {
            s_ = EngineState{s_.CalcMode, "", 0.0, 0.0, "", false, false, false};
        } else {
            return false;
        }
        return true;
    }

    // A result the display can show, cut to 15 characters; "ERROR" when it is none.
    bool Show(double result) {
        if (!std::isfinite(result)) {
            s_.EntryText = kError;
            return false;
        }
        s_.EntryText = CutToDisplay(NumberText(result));
        return true;
    }

    void NumberEquals() {
        if (s_.CaptureOperand2) {
            s_.Operand2 = NumericValue(s_.EntryText);
            s_.CaptureOperand2 = false;
        }
        const double a = OperandNumber(s_.Operand1);
        const double b = OperandNumber(s_.Operand2);
        double result = NumericValue(s_.EntryText);
        if (s_.PendingOp == "+") result = a + b;
        else if (s_.PendingOp == "-") result = a - b;
        else if (s_.PendingOp == "X") result = a * b;
        else if (s_.PendingOp == "/") result = b == 0.0 ? INFINITY : a / b;
        if (Show(result)) s_.Operand1 = result;
        s_.ResultShown = true;
    }

    void NumberKey(std::string_view caption) {
        if (SharedKey(caption)) return;
        if (caption == ".") {
            StartFresh();
            if (s_.EntryText.find('.') != std::string::npos) beep_ = true;
            else s_.EntryText += '.';
        } else if (caption == "+" || caption == "-" || caption == "X" || caption == "/") {
            if (s_.CaptureOperand2 && !s_.NewEntry) {
                NumberEquals();
                // The result just computed is the first operand, unless there was none.
                if (s_.EntryText == kError) s_.Operand1 = 0.0;
            } else {
                s_.Operand1 = NumericValue(s_.EntryText);
            }
            Arm(caption);
        } else if (caption == "%") {
            const double percent = OperandNumber(s_.Operand1) * (NumericValue(s_.EntryText) / 100.0);
            if (std::isfinite(percent)) {
                s_.Operand2 = percent;
                s_.EntryText = NumberText(percent);
            } else {
                s_.EntryText = kError;
            }
        } else if (caption == "=") {
            NumberEquals();
        } else if (caption == "+/-") {
            if (s_.EntryText.empty()) return;
            if (s_.EntryText.front() == '-') s_.EntryText.erase(0, 1);
            else s_.EntryText.insert(0, 1, '-');
        } else if (caption == "1/x" || caption == "sqrt") {
            const double x = NumericValue(s_.EntryText);
            if (caption == "1/x" ? x == 0.0 : x < 0.0) {
                s_.EntryText = kError;
                return;
            }
            const double result = caption == "1/x" ? 1.0 / x : std::sqrt(x);
            if (Show(result) && !s_.CaptureOperand2) s_.Operand1 = result;
        }
    }

    bool DateMode() const { return s_.CalcMode == "Date"; }

    std::string TextOf(Seconds t) const { return DateMode() ? DateText(ToDateTime(t)) : DateTimeText(ToDateTime(t)); }

    void Fail() {
        message_ = DateMode() ? "Error! Wrong Date format" : "Error! Wrong Time format";
        s_.EntryText.clear();
    }

    std::optional<Seconds> Move(Seconds from, int sign) const {
        const std::array<double, 3> counts = PeriodCounts(s_.EntryText, DateMode() ? "/" : ":");
        std::array<std::int64_t, 3> n{};
        for (std::size_t i = 0; i < n.size(); ++i) n[i] = sign * Whole(counts[i]);
        std::optional<Seconds> t = from;
        if (DateMode()) {
            t = AddSpan(*t, n[0], kSecondsPerDay);
            if (t) t = AddMonths(*t, n[1]);
            if (t) t = n[2] > kBeyondRange || n[2] < -kBeyondRange ? std::nullopt : AddMonths(*t, 12 * n[2]);
            return t;
        }
        t = AddSpan(*t, n[0], 3600);
        if (t) t = AddSpan(*t, n[1], 60);
        if (t) t = AddSpan(*t, n[2], 1);
        if (t) t = kZero + ClockOf(*t);
        return t;
    }

    void CalendarKey(std::string_view caption) {
        if (SharedKey(caption)) return;
        if (caption == (DateMode() ? "/" : ":")) {
            s_.EntryText += caption;
        } else if (caption == "Add" || caption == "Sub" || caption == "Dif") {
            const auto value = DateTimeValue(s_.EntryText);
            if (!value) return Fail();
            s_.EntryText = TextOf(FromDateTime(*value));
            s_.Operand1 = s_.EntryText;
            Arm(caption);
        } else if (caption == "=") {
            if (s_.CaptureOperand2) {
                s_.Operand2 = s_.EntryText;
                s_.CaptureOperand2 = false;
            }
            const auto first = ReadAsSeconds(s_.Operand1);
            if (s_.PendingOp == "Add" || s_.PendingOp == "Sub") {
                const auto moved = first ? Move(*first, s_.PendingOp == "Add" ? 1 : -1) : std::nullopt;
                if (!moved) return Fail();
                s_.Operand1 = ToDateTime(*moved);
                s_.EntryText = TextOf(*moved);
            } else if (s_.PendingOp == "Dif") {
                const auto second = DateTimeValue(s_.EntryText);
                if (!first || !second) return Fail();
                s_.EntryText = DateMode() ? DifferenceOfDates(*first, FromDateTime(*second))
                                          : DifferenceOfTimes(*first, FromDateTime(*second));
                s_.Operand1 = s_.EntryText;
            } else {
                s_.Operand1 = s_.EntryText;
            }
            s_.ResultShown = true;
        }
    }

    EngineState& s_;
    std::string_view message_;
    bool beep_ = false;
};

}  // namespace

ModelResult PressModel(EngineState& state, std::string_view caption) { return Model(state).Press(caption); }

std::string ValueText(const CalcValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "Number %.17g", *number);
        return buffer;
    }
    if (const auto* date = std::get_if<DateTime>(&value)) return "Date " + DateText(*date);
    if (const auto* text = std::get_if<std::string>(&value)) return "Text \"" + *text + "\"";
    return "Empty";
}
