#pragma once

#include "key_table.h"

#include <optional>
#include <string_view>

// The pad button a key names, decided from what Qt reports so it holds on any keyboard layout.
// `key` is a Qt::Key value, `typed` the character the key produced (0 for none).

// The pad's keys by index, for the tables that name them.
inline constexpr ButtonIndex kBackspace = 0;
inline constexpr ButtonIndex kClearEntry = 1;
inline constexpr ButtonIndex kClearAll = 2;
inline constexpr ButtonIndex kDivide = 6;
inline constexpr ButtonIndex kSquareRoot = 7;
inline constexpr ButtonIndex kMultiply = 11;  // "Dif" in Date and Time mode
inline constexpr ButtonIndex kPercent = 12;
inline constexpr ButtonIndex kSubtract = 16;  // "Sub"
inline constexpr ButtonIndex kReciprocal = 17;
inline constexpr ButtonIndex kAdd = 21;  // "Add"
inline constexpr ButtonIndex kChangeSign = 19;
// The decimal point, or the date or time separator, by mode.
inline constexpr ButtonIndex kPoint = 20;
inline constexpr ButtonIndex kEquals = 22;

// A key or character that is a shortcut: the button it presses, or none when it is refused with
// the signal (a "," that is no decimal point in the user's locale); or today's date or the time
// now, typed in place of the entry.
struct Shortcut {
    std::optional<ButtonIndex> Index;
    bool Now = false;
};

// Ctrl+;, also with Shift, as ";" needs Shift on a German keyboard: today's date or the time now,
// as "T" types them.
bool IsNowKey(int key, bool control);

// By key code: Backspace, Delete, Escape, the digits (Shift ignored), the keypad operators and
// decimal point, Enter and Return. The keypad's "/" is the date separator in Date mode.
std::optional<ButtonIndex> KeyDownIndex(int key, bool keypad, char16_t typed, std::string_view mode);

// By typed character, for keys that KeyDownIndex does not name: the digits and the character
// table; some characters name a button only in one mode; "T" and "t" type now. Digits of any script are digits, and
// U+066B, the Arabic decimal separator, is the decimal point. No value: not a shortcut.
// `decimalPoint` is the user's locale's (DecimalPointOf).
std::optional<Shortcut> KeyPressShortcut(char16_t typed, std::string_view mode, char16_t decimalPoint);

// The button of a digit 0..9.
ButtonIndex DigitIndex(int digit);
