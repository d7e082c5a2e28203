// Feeds arbitrary bytes to the text conversions (NumericValue, NumberText and the display cut,
// DateTimeValue, PeriodCounts) and checks each against a reckoning of its own: a reference reader
// on strtod, a reference writer on snprintf, a reference date-time reader.

#include "date_time.h"
#include "number_text.h"
#include "period.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kDisplayWidth = 15;

[[noreturn]] void Fail(std::string_view input, std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "\ntext_fuzzer: %.*s\n  input (%zu bytes): \"", static_cast<int>(what.size()), what.data(),
                 input.size());
    for (const char c : input.substr(0, 200)) {
        if (std::isprint(static_cast<unsigned char>(c)) != 0) std::fputc(c, stderr);
        else std::fprintf(stderr, "\\x%02x", static_cast<unsigned char>(c));
    }
    std::fprintf(stderr, "%s\"\n  %.*s\n", input.size() > 200 ? "..." : "", static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

std::string Number17(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ContainsInfOrNan(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// The leading number as written down for the reader: blanks skipped anywhere inside it, an
// optional sign, digits with at most one point, an optional exponent ("E" or "D") that counts
// only with a digit. strtod then rounds it, as correctly as from_chars does.
double ReferenceValue(std::string_view text) {
    std::size_t i = 0;
    const auto skip = [&] {
        while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skip();
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::string number;
    bool point = false;
    bool digit = false;
    for (skip(); i < text.size(); ++i, skip()) {
        if (IsDigit(text[i])) {
            digit = true;
            number += text[i];
        } else if (text[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digit) return 0.0;
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        ++i;
        skip();
        std::string exponent = "e";
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) exponent += text[i++];
        bool exponentDigit = false;
        for (skip(); i < text.size() && IsDigit(text[i]); ++i, skip()) {
            exponentDigit = true;
            exponent += text[i];
        }
        if (exponentDigit) number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

// The general number form from printf's rounding to 15 significant digits.
std::string ReferenceNumberText(double x) {
    if (x == 0.0) return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);  // -d.dddddddddddddde-ddd
    const std::string_view text(buffer);
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e)) {
        if (IsDigit(c)) digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(buffer + e + 1);

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + tail;
    }
    if (exponent < 0) return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) return out + digits + std::string(integerDigits - digits.size(), '0');
    return out + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

// -d[.ddd][E(+|-)dd[d]] or -ddd[.ddd] with no trailing point: a text the display can show.
bool IsNumberForm(std::string_view text, bool allowTrailingPoint) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t firstDigit = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == firstDigit) return false;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == fraction && !allowTrailingPoint) return false;
    }
    if (i == text.size()) return true;
    if (text[i] != 'E' || i + 1 >= text.size() || (text[i + 1] != '+' && text[i + 1] != '-')) return false;
    const std::size_t exponent = i + 2;
    i = exponent;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i == text.size() && i - exponent >= 2;
}

void CheckNumber(std::string_view input) {
    const double x = NumericValue(input);
    if (std::isnan(x)) Fail(input, "NumericValue gave NaN");
    const double reference = ReferenceValue(input);
    if (!(x == reference)) Fail(input, "NumericValue differs from the reference reading", Number17(x) + " vs " + Number17(reference));
    if (!std::isfinite(x)) return;

    const std::string text = NumberText(x);
    const std::string expected = ReferenceNumberText(x);
    if (text != expected) Fail(input, "NumberText differs from the reference form", text + " vs " + expected);
    if (ContainsInfOrNan(text) || !IsNumberForm(text, false)) Fail(input, "NumberText is not a number form", text);

    // 15 significant digits, rounded: re-read, the number is within half a unit of the 15th digit.
    const double again = NumericValue(text);
    const double tolerance = std::max(1e-14 * std::abs(x), std::numeric_limits<double>::denorm_min());
    if (std::abs(again - x) > tolerance) Fail(input, "NumberText does not re-read to the number", text + " gives " + Number17(again));

    const std::string cut = CutToDisplay(text);
    if (cut.size() > kDisplayWidth) Fail(input, "the cut is wider than 15 characters", cut);
    if (text.size() <= kDisplayWidth && cut != text) Fail(input, "a text that fits was cut", text + " to " + cut);
    // Fixed forms are cut as written, so a point can end up last.
    if (!IsNumberForm(cut, true)) Fail(input, "the cut is not a number form", cut);
    const std::size_t e = text.find('E');
    if (e != std::string::npos && !cut.ends_with(std::string_view(text).substr(e))) {
        Fail(input, "the cut lost the exponent", text + " to " + cut);
    }
    // The cut keeps at least 8 significant digits (-1.2345678E-308), dropped rather than rounded,
    // so the shown number stays within 1E-7 of x.
    const double shown = NumericValue(cut);
    if (std::abs(shown - x) > 1e-7 * std::abs(x) || (shown < 0.0) != (x < 0.0)) {
        Fail(input, "the cut shows another number", text + " to " + cut);
    }
}

// The accepted forms as written down: d/m/yyyy, h:m[:s] (one or two digits each), or both with
// one blank between; the day, month and clock time must exist; years 100 to 9999.
struct Fields {
    int Day = 30, Month = 12, Year = 1899, Hour = 0, Minute = 0, Second = 0;
};

std::optional<int> Digits(std::string_view& text, std::size_t least, std::size_t most) {
    std::size_t n = 0;
    while (n < text.size() && n < most && IsDigit(text[n])) ++n;
    if (n < least) return std::nullopt;
    int value = 0;
    for (std::size_t k = 0; k < n; ++k) value = value * 10 + (text[k] - '0');
    text.remove_prefix(n);
    return value;
}

bool Take(std::string_view& text, char c) {
    if (!text.starts_with(c)) return false;
    text.remove_prefix(1);
    return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool ReadDatePart(std::string_view text, Fields& fields) {
    const auto day = Digits(text, 1, 2);
    if (!day || !Take(text, '/')) return false;
    const auto month = Digits(text, 1, 2);
    if (!month || !Take(text, '/')) return false;
    const auto year = Digits(text, 4, 4);
    if (!year || !text.empty()) return false;
    if (*year < 100 || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) return false;
    fields.Day = *day;
    fields.Month = *month;
    fields.Year = *year;
    return true;
}

bool ReadTimePart(std::string_view text, Fields& fields) {
    const auto hour = Digits(text, 1, 2);
    if (!hour || !Take(text, ':')) return false;
    const auto minute = Digits(text, 1, 2);
    if (!minute) return false;
    std::optional<int> second = 0;
    if (Take(text, ':')) second = Digits(text, 1, 2);
    if (!second || !text.empty() || *hour > 23 || *minute > 59 || *second > 59) return false;
    fields.Hour = *hour;
    fields.Minute = *minute;
    fields.Second = *second;
    return true;
}

std::optional<Fields> ReferenceDateTime(std::string_view text) {
    Fields fields;
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        if (ReadDatePart(text, fields) || ReadTimePart(text, fields)) return fields;
        return std::nullopt;
    }
    if (ReadDatePart(text.substr(0, blank), fields) && ReadTimePart(text.substr(blank + 1), fields)) return fields;
    return std::nullopt;
}

void CheckDateTime(std::string_view input) {
    const auto value = DateTimeValue(input);
    const auto reference = ReferenceDateTime(input);
    if (value.has_value() != reference.has_value()) {
        Fail(input, value ? "DateTimeValue accepts a text that is no date-time" : "DateTimeValue refuses a date-time");
    }
    if (!value) return;

    const auto date = value->Date();
    const auto clock = value->TimeOfDay();
    const Fields read{static_cast<int>(unsigned{date.day()}), static_cast<int>(unsigned{date.month()}),
                      int{date.year()},
                      static_cast<int>(clock.hours().count()),
                      static_cast<int>(clock.minutes().count()),
                      static_cast<int>(clock.seconds().count())};
    if (read.Day != reference->Day || read.Month != reference->Month || read.Year != reference->Year ||
        read.Hour != reference->Hour || read.Minute != reference->Minute || read.Second != reference->Second) {
        Fail(input, "DateTimeValue reads another date-time", DateText(*value));
    }
    if (value->Time < kFirstDay || value->Time >= kLastDay + std::chrono::days{1}) Fail(input, "a date-time out of range");

    const std::string text = DateTimeText(*value);
    const auto again = DateTimeValue(text);
    if (!again || *again != *value) Fail(input, "DateTimeText does not re-read to the value", text);
    const std::string dated = DateText(*value);
    const auto againDated = DateTimeValue(dated);
    if (!againDated || *againDated != *value) Fail(input, "DateText does not re-read to the value", dated);
    const auto serial = FromSerialNumber(SerialNumber(*value));
    if (!serial || *serial != *value) Fail(input, "the serial number does not give the value back", DateText(*value));
}

// The period fields as defined: each runs up to and including its separator.
std::array<double, 3> ReferencePeriod(std::string_view text, std::string_view separator) {
    const auto field = [&](std::string_view& rest) -> std::string_view {
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) return {};
        const std::string_view taken = rest.substr(0, at + separator.size());
        rest.remove_prefix(taken.size());
        return taken;
    };
    std::string_view rest = text;
    const std::string_view first = field(rest);
    const std::string_view second = field(rest);
    return {ReferenceValue(first), ReferenceValue(second), ReferenceValue(rest)};
}

void CheckPeriod(std::string_view input, std::string_view separator) {
    const std::array<double, 3> counts = PeriodCounts(input, separator);
    const std::array<double, 3> expected = ReferencePeriod(input, separator);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (std::isnan(counts[i])) Fail(input, "a period count is NaN");
        if (!(counts[i] == expected[i])) {
            Fail(input, "a period count differs from its field's value", Number17(counts[i]) + " vs " + Number17(expected[i]));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckNumber(input);
    CheckDateTime(input);
    CheckPeriod(input, "/");
    CheckPeriod(input, ":");
    return 0;
}
