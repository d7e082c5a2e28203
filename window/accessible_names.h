#pragma once

#include "key_table.h"

#include <algorithm>
#include <array>
#include <string_view>

// What assistive technology announces for a pad key. Looked up by mode and caption, because the
// caption decides what a key does and the same caption can mean different things: "/" divides
// in Number mode and separates day, month and year in Date mode.
struct AccessibleKey {
    std::string_view Mode;  // kEveryMode, or the one mode the row holds for
    std::string_view Caption;
    std::string_view Name;
    std::string_view Description;
};

inline constexpr std::string_view kEveryMode{};

inline constexpr std::array kAccessibleKeys{
    AccessibleKey{kEveryMode, "Backspace", "Backspace", "Deletes the last character of the entry"},
    AccessibleKey{kEveryMode, "CE", "Clear entry", "Clears the entry and keeps the calculation"},
    AccessibleKey{kEveryMode, "C", "Clear all", "Clears the entry and the calculation"},
    AccessibleKey{kEveryMode, "0", "0", "Types the digit 0"},
    AccessibleKey{kEveryMode, "1", "1", "Types the digit 1"},
    AccessibleKey{kEveryMode, "2", "2", "Types the digit 2"},
    AccessibleKey{kEveryMode, "3", "3", "Types the digit 3"},
    AccessibleKey{kEveryMode, "4", "4", "Types the digit 4"},
    AccessibleKey{kEveryMode, "5", "5", "Types the digit 5"},
    AccessibleKey{kEveryMode, "6", "6", "Types the digit 6"},
    AccessibleKey{kEveryMode, "7", "7", "Types the digit 7"},
    AccessibleKey{kEveryMode, "8", "8", "Types the digit 8"},
    AccessibleKey{kEveryMode, "9", "9", "Types the digit 9"},

    AccessibleKey{kNumberMode, ".", "Decimal point", "Types the decimal point"},
    AccessibleKey{kNumberMode, "+", "Add", "Adds the next number to this one"},
    AccessibleKey{kNumberMode, "-", "Subtract", "Subtracts the next number from this one"},
    AccessibleKey{kNumberMode, "X", "Multiply", "Multiplies this number by the next"},
    AccessibleKey{kNumberMode, "/", "Divide", "Divides this number by the next"},
    AccessibleKey{kNumberMode, "=", "Equals", "Shows the result; pressed again, repeats the last operation"},
    AccessibleKey{kNumberMode, "%", "Percent", "Takes the entry as a percentage of the first number"},
    AccessibleKey{kNumberMode, "+/-", "Change sign", "Changes the sign of the entry"},
    AccessibleKey{kNumberMode, "1/x", "Reciprocal", "Divides 1 by the entry"},
    AccessibleKey{kNumberMode, "sqrt", "Square root", "Takes the square root of the entry"},

    AccessibleKey{kDateMode, "/", "Date separator", "Types the slash between day, month and year"},
    AccessibleKey{kDateMode, "Add", "Add period", "Adds a period of days/months/years to this date"},
    AccessibleKey{kDateMode, "Sub", "Subtract period", "Subtracts a period of days/months/years from this date"},
    AccessibleKey{kDateMode, "Dif", "Difference", "Gives years, months and days between this date and the next"},
    AccessibleKey{kDateMode, "=", "Equals", "Shows the resulting date or difference"},
    AccessibleKey{kDateMode, "+/-", "Change sign", "Has no effect on a date"},

    AccessibleKey{kTimeMode, ":", "Time separator", "Types the colon between hours, minutes and seconds"},
    AccessibleKey{kTimeMode, "Add", "Add period", "Adds a period of hours:minutes:seconds to this time"},
    AccessibleKey{kTimeMode, "Sub", "Subtract period", "Subtracts a period of hours:minutes:seconds from this time"},
    AccessibleKey{kTimeMode, "Dif", "Difference", "Gives hours, minutes and seconds between this time and the next"},
    AccessibleKey{kTimeMode, "=", "Equals", "Shows the resulting time or difference"},
    AccessibleKey{kTimeMode, "+/-", "Change sign", "Has no effect on a time"},
};

// A key the mode disables keeps the name it has in Number mode, the only mode that enables it.
inline constexpr std::string_view kUnavailableDescription = "Not available in this mode";

// The display and the option buttons, by option index.
struct AccessibleMode {
    std::string_view Mode;
    std::string_view OptionDescription;
    std::string_view DisplayDescription;
};

inline constexpr std::string_view kDisplayName = "Result";

inline constexpr std::array<AccessibleMode, 3> kAccessibleModes{{
    {kNumberMode, "Calculates with numbers", "The number being typed, or the result"},
    {kDateMode, "Calculates with dates, typed dd/mm/yyyy", "The date or period being typed, or the result"},
    {kTimeMode, "Calculates with clock times, typed hh:mm:ss", "The time or period being typed, or the result"},
}};

constexpr bool Describes(const AccessibleKey& key, std::string_view mode, std::string_view caption) {
    return key.Caption == caption && (key.Mode == kEveryMode || key.Mode == mode);
}

constexpr const AccessibleKey* FindAccessibleKey(std::string_view mode, std::string_view caption) {
    const auto* found =
        std::ranges::find_if(kAccessibleKeys, [&](const AccessibleKey& key) { return Describes(key, mode, caption); });
    return found != kAccessibleKeys.end() ? found : nullptr;
}

// Every key has a row in every mode that enables it, and in Number mode. Without pointers: the
// sanitizers' pointer checks are not constant expressions.
constexpr bool EveryKeyNamed() {
    const auto named = [](std::string_view mode, std::string_view caption) {
        return std::ranges::any_of(kAccessibleKeys,
                                   [&](const AccessibleKey& key) { return Describes(key, mode, caption); });
    };
    return std::ranges::all_of(kKeyTable, [&](const KeyRow& row) {
        return named(kNumberMode, row.Number) &&
               (row.NumberOnly || (named(kDateMode, row.Date) && named(kTimeMode, row.Time)));
    });
}
static_assert(EveryKeyNamed());
