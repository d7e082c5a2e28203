#include "date_time.h"

#include <cmath>

using namespace std::chrono;

namespace {

// A cursor over a date-time text that reads the fixed-width fields of the accepted forms.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : rest_(text) {}

    // A field of minDigits to maxDigits decimal digits.
    std::optional<int> Field(std::size_t minDigits, std::size_t maxDigits) {
        std::size_t n = 0;
        int value = 0;  // [0, 9999]
        while (n < maxDigits && n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9') {
            value = value * 10 + (rest_[n] - '0');
            ++n;
        }
        if (n < minDigits) return std::nullopt;
        rest_.remove_prefix(n);
        return value;
    }

    bool Skip(char c) {
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }

    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

std::optional<sys_days> ReadDate(FieldReader& reader) {
    const auto day = reader.Field(1, 2);
    if (!day || !reader.Skip('/')) return std::nullopt;
    const auto month = reader.Field(1, 2);
    if (!month || !reader.Skip('/')) return std::nullopt;
    const auto yearValue = reader.Field(4, 4);
    if (!yearValue || *yearValue < 100) return std::nullopt;
    const year_month_day date{year{*yearValue}, std::chrono::month{static_cast<unsigned>(*month)},
                              std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return sys_days{date};
}

std::optional<seconds> ReadClock(FieldReader& reader) {
    const auto hour = reader.Field(1, 2);
    if (!hour || !reader.Skip(':')) return std::nullopt;
    const auto minute = reader.Field(1, 2);
    if (!minute) return std::nullopt;
    int second = 0;
    if (reader.Skip(':')) {
        const auto field = reader.Field(1, 2);
        if (!field) return std::nullopt;
        second = *field;
    }
    if (*hour > 23 || *minute > 59 || second > 59) return std::nullopt;
    return hours{*hour} + minutes{*minute} + seconds{second};
}

// value with leading zeros to `width` digits; value is in [0, 9999].
std::string Padded(unsigned value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string DatePart(year_month_day date) {
    return Padded(unsigned{date.day()}, 2) + '/' + Padded(unsigned{date.month()}, 2) + '/' +
           Padded(static_cast<unsigned>(int{date.year()}), 4);
}

std::string ClockPart(hh_mm_ss<seconds> clock) {
    return Padded(static_cast<unsigned>(clock.hours().count()), 2) + ':' +
           Padded(static_cast<unsigned>(clock.minutes().count()), 2) + ':' +
           Padded(static_cast<unsigned>(clock.seconds().count()), 2);
}

constexpr double kSecondsPerDay = 86400.0;

}  // namespace

year_month_day DateTime::Date() const { return year_month_day{floor<days>(Time)}; }

hh_mm_ss<seconds> DateTime::TimeOfDay() const { return hh_mm_ss<seconds>{Time - floor<days>(Time)}; }

std::optional<DateTime> MakeDateTime(sys_seconds time) {
    if (time < kFirstDay || time >= kLastDay + days{1}) return std::nullopt;
    return DateTime{time};
}

std::optional<DateTime> DateTimeValue(std::string_view text) {
    {
        FieldReader reader(text);
        if (const auto date = ReadDate(reader)) {
            if (reader.AtEnd()) return DateTime{*date};
            if (!reader.Skip(' ')) return std::nullopt;
            const auto clock = ReadClock(reader);
            if (!clock || !reader.AtEnd()) return std::nullopt;
            return DateTime{*date + *clock};
        }
    }
    FieldReader reader(text);
    const auto clock = ReadClock(reader);
    if (!clock || !reader.AtEnd()) return std::nullopt;
    return DateTime{kZeroDate + *clock};
}

std::string DateTimeText(DateTime value) {
    if (floor<days>(value.Time) == kZeroDate) return ClockPart(value.TimeOfDay());
    return DateText(value);
}

std::string DateText(DateTime value) {
    std::string text = DatePart(value.Date());
    if (value.TimeOfDay().to_duration() != seconds{0}) text += ' ' + ClockPart(value.TimeOfDay());
    return text;
}

double SerialNumber(DateTime value) { return static_cast<double>((value.Time - kZeroDate).count()) / kSecondsPerDay; }

std::optional<DateTime> FromSerialNumber(double days) {
    // Bounds checked in days first, so the conversion to seconds cannot overflow.
    const double first = static_cast<double>((kFirstDay - kZeroDate).count());
    const double pastLast = static_cast<double>((kLastDay - kZeroDate).count()) + 1.0;
    if (!std::isfinite(days) || days < first || days >= pastLast) return std::nullopt;
    return MakeDateTime(kZeroDate + seconds{std::llround(days * kSecondsPerDay)});
}

DateTime TimeOfDayOnly(DateTime value) { return DateTime{kZeroDate + value.TimeOfDay().to_duration()}; }
