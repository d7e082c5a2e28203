// Feeds arbitrary bytes to the text conversions (NumericValue, NumberText and the display cut,
// DateTimeValue, PeriodCounts): numbers against a reference reader on strtod and a reference
// writer on snprintf; date-times by their range and round trips; periods by their shape.

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
    if (!(x == reference))
        Fail(input, "NumericValue differs from the reference reading", Number17(x) + " vs " + Number17(reference));
    if (!std::isfinite(x)) return;

    const std::string text = NumberText(x);
    const std::string expected = ReferenceNumberText(x);
    if (text != expected) Fail(input, "NumberText differs from the reference form", text + " vs " + expected);
    if (ContainsInfOrNan(text) || !IsNumberForm(text, false)) Fail(input, "NumberText is not a number form", text);

    // 15 significant digits, rounded: re-read, the number is within half a unit of the 15th digit.
    const double again = NumericValue(text);
    const double tolerance = std::max(1e-14 * std::abs(x), std::numeric_limits<double>::denorm_min());
    if (std::abs(again - x) > tolerance)
        Fail(input, "NumberText does not re-read to the number", text + " gives " + Number17(again));

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

void CheckDateTime(std::string_view input) {
    const auto value = DateTimeValue(input);
    if (!value) return;
    if (value->Time < kFirstDay || value->Time >= kLastDay + std::chrono::days{1})
        Fail(input, "a date-time out of range");

    const std::string text = DateTimeText(*value);
    const auto again = DateTimeValue(text);
    if (!again || *again != *value) Fail(input, "DateTimeText does not re-read to the value", text);
    const std::string dated = DateText(*value);
    const auto againDated = DateTimeValue(dated);
    if (!againDated || *againDated != *value) Fail(input, "DateText does not re-read to the value", dated);
    const auto serial = FromSerialNumber(SerialNumber(*value));
    if (!serial || *serial != *value) Fail(input, "the serial number does not give the value back", DateText(*value));
}

void CheckPeriod(std::string_view input, std::string_view separator) {
    const std::array<double, 3> counts = PeriodCounts(input, separator);
    for (const double count : counts) {
        if (std::isnan(count)) Fail(input, "a period count is NaN");
    }
    // Without a separator the whole text is the last count.
    if (input.find(separator) == std::string_view::npos &&
        !(counts[0] == 0.0 && counts[1] == 0.0 && counts[2] == NumericValue(input))) {
        Fail(input, "a period without separator is not its last count");
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
