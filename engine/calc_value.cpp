#include "calc_value.h"

#include "number_text.h"

#include <type_traits>

double NumberOf(const CalcValue& value) {
    return std::visit(
        [](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, double>) return v;
            else if constexpr (std::is_same_v<T, DateTime>) return SerialNumber(v);
            else if constexpr (std::is_same_v<T, std::string>) return NumericValue(v);
            else return 0.0;
        },
        value);
}

std::optional<DateTime> ReadAsDateTime(const CalcValue& value) {
    return std::visit(
        [](const auto& v) -> std::optional<DateTime> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, double>) return FromSerialNumber(v);
            else if constexpr (std::is_same_v<T, DateTime>) return v;
            else if constexpr (std::is_same_v<T, std::string>) return DateTimeValue(v);
            else return DateTime{kZeroDate};
        },
        value);
}
