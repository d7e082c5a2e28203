#include "key_map.h"

#include <QtCore/qnamespace.h>
#include <QChar>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace {

struct KeyCodeRow {
    int Key;
    std::string_view Mode;  // empty: every mode
    ButtonIndex Index;
};

inline constexpr std::array<KeyCodeRow, 5> kAnyKeyRows{{
    {Qt::Key_Backspace, {}, kBackspace},
    {Qt::Key_Delete, {}, kClearEntry},
    {Qt::Key_Escape, {}, kClearAll},
    // A focused push button ignores Enter, so the key would otherwise do nothing.
    {Qt::Key_Return, {}, kEquals},
    {Qt::Key_Enter, {}, kEquals},
}};

// By digit 0..9.
inline constexpr std::array<ButtonIndex, 10> kDigitIndexes{18, 13, 14, 15, 8, 9, 10, 3, 4, 5};

inline constexpr std::array<KeyCodeRow, 7> kKeypadRows{{
    {Qt::Key_Plus, {}, kAdd},
    {Qt::Key_Minus, {}, kSubtract},
    {Qt::Key_Asterisk, {}, kMultiply},
    // Divide is off in Date mode, and the keypad has no other key for the date separator.
    {Qt::Key_Slash, kDateMode, kPoint},
    {Qt::Key_Slash, {}, kDivide},
    {Qt::Key_Period, {}, kPoint},
    {Qt::Key_Comma, {}, kPoint},  // the keypad's decimal key on layouts with a decimal comma
}};

struct CharacterRow {
    char16_t Typed;
    std::string_view Mode;  // empty: every mode
    ButtonIndex Index;
};

inline constexpr std::array<CharacterRow, 21> kCharacterRows{{
    {u'S', {}, kSquareRoot},
    {u's', {}, kSquareRoot},
    {u'P', {}, kPercent},
    {u'p', {}, kPercent},
    {u'R', {}, kReciprocal},
    {u'r', {}, kReciprocal},
    {u'X', {}, kMultiply},
    {u'x', {}, kMultiply},
    {u'=', {}, kEquals},
    {u'%', {}, kPercent},
    // The signs a web page or a word processor writes.
    {u'\u00d7', {}, kMultiply},
    {u'\u00f7', kNumberMode, kDivide},
    {u'\u2212', {}, kSubtract},
    {u'\u2013', {}, kSubtract},
    // For keyboards without a keypad, and so that dates and times type as they are written,
    // 11.05.2000 and 14.30.00 included.
    {u'+', {}, kAdd},
    {u'-', {}, kSubtract},
    {u'*', {}, kMultiply},
    {u'/', kNumberMode, kDivide},
    {u'/', kDateMode, kPoint},
    {u'.', {}, kPoint},
    {u':', kTimeMode, kPoint},
}};

constexpr bool IsPrintable(char16_t typed) { return typed >= u' ' && typed != u'\x7f'; }
constexpr bool InMode(std::string_view rowMode, std::string_view mode) { return rowMode.empty() || rowMode == mode; }

template <std::size_t N>
std::optional<ButtonIndex> IndexOfKey(const std::array<KeyCodeRow, N>& rows, int key, std::string_view mode) {
    const auto row =
        std::ranges::find_if(rows, [&](const KeyCodeRow& r) { return r.Key == key && InMode(r.Mode, mode); });
    return row != rows.end() ? std::optional{row->Index} : std::nullopt;
}

constexpr char16_t kArabicDecimalSeparator = u'\u066b';

}  // namespace

ButtonIndex DigitIndex(int digit) { return kDigitIndexes.at(static_cast<std::size_t>(digit)); }

std::optional<ButtonIndex> KeyDownIndex(int key, bool keypad, char16_t typed, std::string_view mode) {
    if (const auto index = IndexOfKey(kAnyKeyRows, key, mode)) return index;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        // A layout that types another character with this key and Shift ("*" on Shift+8) meant
        // that character; the character table decides.
        if (IsPrintable(typed) && typed != u'0' + digit) return std::nullopt;
        return kDigitIndexes[static_cast<std::size_t>(digit)];
    }
    return keypad ? IndexOfKey(kKeypadRows, key, mode) : std::nullopt;
}

bool IsNowKey(int key, bool control) { return control && key == Qt::Key_Semicolon; }

std::optional<Shortcut> KeyPressShortcut(char16_t typed, std::string_view mode, char16_t decimalPoint) {
    if (typed == u'T' || typed == u't') return Shortcut{.Index = std::nullopt, .Now = true};
    // Arabic-Indic, Persian and Devanagari digits as well as ASCII ones.
    if (const int digit = QChar(typed).digitValue(); digit >= 0 && QChar(typed).isDigit()) {
        return Shortcut{DigitIndex(digit)};
    }
    if (mode == kNumberMode && (typed == decimalPoint || typed == kArabicDecimalSeparator)) {
        return Shortcut{kPoint};
    }
    // "1,000" typed where "," groups digits must neither become 1.000 nor pass unnoticed.
    if (mode == kNumberMode && typed == u',') return Shortcut{};
    const auto row = std::ranges::find_if(
        kCharacterRows, [&](const CharacterRow& r) { return r.Typed == typed && InMode(r.Mode, mode); });
    return row != kCharacterRows.end() ? std::optional{Shortcut{row->Index}} : std::nullopt;
}
