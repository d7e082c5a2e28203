#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace {

constexpr std::size_t kDisplayWidth = 15;
constexpr int kSignificantDigits = 15;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The position of the first character at or after `i` that is no blank.
std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

// Reads the leading number of a text into a compact form that from_chars accepts, skipping the
// blanks between its characters. One pass, so a long entry costs its length.
struct NumberScan {
    std::string Compact;  // sign, digits, point, exponent: "-12.5e3"
    bool Negative = false;
    std::int64_t LeadingExponent = 0;  // decimal exponent of the first non-zero digit
    bool HasNonZeroDigit = false;
};

NumberScan ScanNumber(std::string_view text) {
    NumberScan scan;
    std::size_t i = SkipBlanks(text, 0);
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        scan.Negative = text[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    std::int64_t position = 0;  // digits before the point, then minus the zeros after it
    for (i = SkipBlanks(text, i); i < text.size(); i = SkipBlanks(text, i + 1)) {
        const char c = text[i];
        if (IsDigit(c)) {
            seenDigit = true;
            scan.Compact += c;
            if (!scan.HasNonZeroDigit) {
                if (c != '0') {
                    scan.HasNonZeroDigit = true;
                    scan.LeadingExponent = seenPoint ? position - 1 : 0;
                } else if (seenPoint) {
                    --position;
                }
            } else if (!seenPoint) {
                ++scan.LeadingExponent;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            scan.Compact += c;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        scan.Compact.clear();
        return scan;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = SkipBlanks(text, i + 1);
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        std::string exponentDigits;
        std::int64_t exponent = 0;  // saturates: beyond a few hundred only the sign matters
        for (j = SkipBlanks(text, j); j < text.size() && IsDigit(text[j]); j = SkipBlanks(text, j + 1)) {
            exponentDigits += text[j];
            exponent = std::min<std::int64_t>(exponent * 10 + (text[j] - '0'), 1'000'000'000);
        }
        if (!exponentDigits.empty()) {
            scan.Compact += negativeExponent ? "e-" : "e";
            scan.Compact += exponentDigits;
            scan.LeadingExponent += negativeExponent ? -exponent : exponent;
        }
    }
    return scan;
}

struct Decimal {
    bool Negative;
    std::string Digits;  // [1, 15] significant digits, no trailing zeros
    int Exponent;        // of the first digit
};

Decimal ToDecimal(double x) {
    char buffer[32];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal decimal{text.front() == '-', {}, 0};
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (IsDigit(c)) decimal.Digits += c;
    }
    while (decimal.Digits.size() > 1 && decimal.Digits.back() == '0') decimal.Digits.pop_back();
    const std::string_view exponent = text.substr(e + 1);
    std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0), exponent.data() + exponent.size(),
                    decimal.Exponent);
    return decimal;
}

std::string ExponentForm(const Decimal& d) {
    std::string text = d.Negative ? "-" : "";
    text += d.Digits.front();
    if (d.Digits.size() > 1) {
        text += '.';
        text.append(d.Digits, 1);
    }
    const int magnitude = d.Exponent < 0 ? -d.Exponent : d.Exponent;
    text += d.Exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string FixedForm(const Decimal& d) {
    std::string text = d.Negative ? "-" : "";
    if (d.Exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.Exponent - 1), '0');
        text += d.Digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(d.Exponent) + 1;
    if (d.Digits.size() <= integerDigits) {
        text += d.Digits;
        text.append(integerDigits - d.Digits.size(), '0');
    } else {
        text.append(d.Digits, 0, integerDigits);
        text += '.';
        text.append(d.Digits, integerDigits);
    }
    return text;
}

// Fits an E form into the display by dropping mantissa digits, then the zeros and point left
// trailing; the exponent always stays.
std::string CutMantissa(std::string_view mantissa, std::string_view exponent) {
    std::string kept(mantissa.substr(0, kDisplayWidth - std::min(exponent.size(), kDisplayWidth)));
    if (kept.find('.') != std::string::npos) {
        while (kept.back() == '0') kept.pop_back();
        if (kept.back() == '.') kept.pop_back();
    }
    return kept + std::string(exponent);
}

}  // namespace

double NumericValue(std::string_view text) {
    const NumberScan scan = ScanNumber(text);
    if (scan.Compact.empty()) return 0.0;
    double value = 0.0;
    const char* first = scan.Compact.data();
    const auto [ptr, ec] = std::from_chars(first, first + scan.Compact.size(), value);
    // A text from_chars does not match leaves value 0.
    if (ec == std::errc::result_out_of_range) {
        value = scan.HasNonZeroDigit && scan.LeadingExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return scan.Negative ? -value : value;
}

std::string NumberText(double x) {
    if (x == 0.0) return "0";  // negative zero too
    const Decimal decimal = ToDecimal(x);
    if (decimal.Exponent >= kSignificantDigits || decimal.Exponent < -4) return ExponentForm(decimal);
    return FixedForm(decimal);
}

std::string CutToDisplay(std::string text) {
    if (text.size() <= kDisplayWidth) return text;
    const std::size_t e = text.find('E');
    if (e != std::string::npos)
        return CutMantissa(std::string_view(text).substr(0, e), std::string_view(text).substr(e));

    const std::size_t point = std::min(text.find('.'), text.size());
    if (point <= kDisplayWidth) return text.substr(0, kDisplayWidth);

    // A fixed form whose integer part alone is too wide (a negative 15-digit number): the plain
    // cut would show a number ten times too small, so write it in E form instead.
    const bool negative = text.front() == '-';
    const std::string_view integer = std::string_view(text).substr(negative ? 1 : 0, point - (negative ? 1 : 0));
    std::string mantissa = negative ? "-" : "";
    mantissa += integer.front();
    mantissa += '.';
    mantissa.append(integer.substr(1));
    if (point < text.size()) mantissa.append(text, point + 1);
    const std::size_t exponent = integer.size() - 1;
    return CutMantissa(mantissa, (exponent < 10 ? "E+0" : "E+") + std::to_string(exponent));
}
