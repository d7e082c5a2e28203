#include "period.h"

#include "number_text.h"

std::array<double, 3> PeriodCounts(std::string_view text, std::string_view separator) {
    // A field runs up to and including its separator; NumericValue ignores that separator.
    const auto splitField = [separator](std::string_view& rest) {
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) return std::string_view{};
        const std::string_view field = rest.substr(0, at + separator.size());
        rest.remove_prefix(field.size());
        return field;
    };
    std::string_view rest = text;
    const std::string_view first = splitField(rest);
    const std::string_view second = splitField(rest);
    return {NumericValue(first), NumericValue(second), NumericValue(rest)};
}
