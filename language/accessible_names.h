#pragma once

#include "key_table.h"

#include <QtGlobal>

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

// The description of every digit key, the digit put in for %1. The names and descriptions are
// English here and translated where the window applies them (context "AccessibleKey").
//: A digit key's description for screen readers; %1 is the digit.
inline constexpr std::string_view kTypesDigit = QT_TRANSLATE_NOOP("AccessibleKey", "Types the digit %1");

inline constexpr std::array kAccessibleKeys{
    AccessibleKey{kEveryMode, "Backspace", QT_TRANSLATE_NOOP("AccessibleKey", "Backspace"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Deletes the last character of the entry")},
    AccessibleKey{kEveryMode, "CE", QT_TRANSLATE_NOOP("AccessibleKey", "Clear entry"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Clears the entry and keeps the calculation")},
    AccessibleKey{kEveryMode, "C", QT_TRANSLATE_NOOP("AccessibleKey", "Clear all"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Clears the entry and the calculation")},
    AccessibleKey{kEveryMode, "0", "0", kTypesDigit},
    AccessibleKey{kEveryMode, "1", "1", kTypesDigit},
    AccessibleKey{kEveryMode, "2", "2", kTypesDigit},
    AccessibleKey{kEveryMode, "3", "3", kTypesDigit},
    AccessibleKey{kEveryMode, "4", "4", kTypesDigit},
    AccessibleKey{kEveryMode, "5", "5", kTypesDigit},
    AccessibleKey{kEveryMode, "6", "6", kTypesDigit},
    AccessibleKey{kEveryMode, "7", "7", kTypesDigit},
    AccessibleKey{kEveryMode, "8", "8", kTypesDigit},
    AccessibleKey{kEveryMode, "9", "9", kTypesDigit},

    AccessibleKey{kNumberMode, ".", QT_TRANSLATE_NOOP("AccessibleKey", "Decimal point"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Types the decimal point")},
    AccessibleKey{kNumberMode, "+", QT_TRANSLATE_NOOP("AccessibleKey", "Add"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Adds the next number to this one")},
    AccessibleKey{kNumberMode, "-", QT_TRANSLATE_NOOP("AccessibleKey", "Subtract"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Subtracts the next number from this one")},
    AccessibleKey{kNumberMode, "X", QT_TRANSLATE_NOOP("AccessibleKey", "Multiply"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Multiplies this number by the next")},
    AccessibleKey{kNumberMode, "/", QT_TRANSLATE_NOOP("AccessibleKey", "Divide"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Divides this number by the next")},
    AccessibleKey{kNumberMode, "=", QT_TRANSLATE_NOOP("AccessibleKey", "Equals"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Shows the result; pressed again, repeats the last operation")},
    AccessibleKey{kNumberMode, "%", QT_TRANSLATE_NOOP("AccessibleKey", "Percent"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Takes the entry as a percentage of the first number")},
    AccessibleKey{kNumberMode, "+/-", QT_TRANSLATE_NOOP("AccessibleKey", "Change sign"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Changes the sign of the entry")},
    AccessibleKey{kNumberMode, "1/x", QT_TRANSLATE_NOOP("AccessibleKey", "Reciprocal"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Divides 1 by the entry")},
    AccessibleKey{kNumberMode, "sqrt", QT_TRANSLATE_NOOP("AccessibleKey", "Square root"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Takes the square root of the entry")},

    AccessibleKey{kDateMode, "/", QT_TRANSLATE_NOOP("AccessibleKey", "Date separator"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Types the slash between day, month and year")},
    AccessibleKey{kDateMode, "Add", QT_TRANSLATE_NOOP("AccessibleKey", "Add period"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Adds a period of days/months/years to this date")},
    AccessibleKey{kDateMode, "Sub", QT_TRANSLATE_NOOP("AccessibleKey", "Subtract period"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Subtracts a period of days/months/years from this date")},
    AccessibleKey{kDateMode, "Dif", QT_TRANSLATE_NOOP("AccessibleKey", "Difference"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Gives years, months and days between this date and the next")},
    AccessibleKey{kDateMode, "=", QT_TRANSLATE_NOOP("AccessibleKey", "Equals"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Shows the resulting date or difference")},
    AccessibleKey{kDateMode, "+/-", QT_TRANSLATE_NOOP("AccessibleKey", "Change sign"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Has no effect on a date")},

    AccessibleKey{kTimeMode, ":", QT_TRANSLATE_NOOP("AccessibleKey", "Time separator"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Types the colon between hours, minutes and seconds")},
    AccessibleKey{kTimeMode, "Add", QT_TRANSLATE_NOOP("AccessibleKey", "Add period"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Adds a period of hours:minutes:seconds to this time")},
    AccessibleKey{kTimeMode, "Sub", QT_TRANSLATE_NOOP("AccessibleKey", "Subtract period"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Subtracts a period of hours:minutes:seconds from this time")},
    AccessibleKey{
        kTimeMode, "Dif", QT_TRANSLATE_NOOP("AccessibleKey", "Difference"),
        QT_TRANSLATE_NOOP("AccessibleKey", "Gives hours, minutes and seconds between this time and the next")},
    AccessibleKey{kTimeMode, "=", QT_TRANSLATE_NOOP("AccessibleKey", "Equals"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Shows the resulting time or difference")},
    AccessibleKey{kTimeMode, "+/-", QT_TRANSLATE_NOOP("AccessibleKey", "Change sign"),
                  QT_TRANSLATE_NOOP("AccessibleKey", "Has no effect on a time")},
};

// A key the mode disables keeps the name it has in Number mode, the only mode that enables it.
inline constexpr std::string_view kUnavailableDescription =
    QT_TRANSLATE_NOOP("AccessibleKey", "Not available in this mode");

// The display and the option buttons, by option index (context "AccessibleMode").
struct AccessibleMode {
    std::string_view Mode;
    std::string_view OptionDescription;
    std::string_view DisplayDescription;
};

//: The display's name for screen readers.
inline constexpr std::string_view kDisplayName = QT_TRANSLATE_NOOP("AccessibleMode", "Result");

inline constexpr std::array<AccessibleMode, 3> kAccessibleModes{{
    {kNumberMode, QT_TRANSLATE_NOOP("AccessibleMode", "Calculates with numbers"),
     QT_TRANSLATE_NOOP("AccessibleMode", "The number being typed, or the result")},
    //: The format in the letters of the language; the user still types day/month/year.
    {kDateMode, QT_TRANSLATE_NOOP("AccessibleMode", "Calculates with dates, typed dd/mm/yyyy"),
     QT_TRANSLATE_NOOP("AccessibleMode", "The date or period being typed, or the result")},
    {kTimeMode, QT_TRANSLATE_NOOP("AccessibleMode", "Calculates with clock times, typed hh:mm:ss"),
     QT_TRANSLATE_NOOP("AccessibleMode", "The time or period being typed, or the result")},
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
