#pragma once

#include "key_table.h"

#include <QLocale>
#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

// The pad button a key names, decided from what Qt reports so it holds on any keyboard layout.
// `key` is a Qt::Key value, `typed` the character the key produced (0 for none).

// How the user's locale writes numbers: the characters of its decimal point and digit grouping.
struct Notation {
    char16_t DecimalPoint = u'.';
    char16_t GroupSeparator = u',';
};

// The first characters of the locale's decimal point and group separator ('\0' for no grouping).
Notation NotationOf(const QLocale& locale);

// A key or character that is a shortcut: the button it presses, or none when it is refused with
// the signal (a "," that is no decimal point in the user's locale).
struct Shortcut {
    std::optional<ButtonIndex> Index;
};

// By key code: Backspace, Delete, Escape, the digits (Shift ignored), the keypad operators and
// decimal point, Enter and Return. The keypad's "/" is the date separator in Date mode.
std::optional<ButtonIndex> KeyDownIndex(int key, bool keypad, char16_t typed, std::string_view mode);

// By typed character, for keys that KeyDownIndex does not name: the digits and the character
// table; some characters name a button only in one mode. No value: not a shortcut.
std::optional<Shortcut> KeyPressShortcut(char16_t typed, std::string_view mode, Notation notation);

// The buttons a pasted text presses, or no value when the text is refused as ambiguous. Numbers
// are read whole: grouped digits and a decimal point by the rules of the README, the display's
// own "E" form written out, a sign before a number typed as "+/-" after it; an ISO date is typed
// day first. Other characters press what they would typed, letters only standing alone; blanks
// and line breaks around the text are dropped, a line break inside it ("\n", "\r" or "\r\n")
// presses "=", and a character that names no button is skipped.
std::optional<std::vector<ButtonIndex>> PastedKeys(QStringView text, std::string_view mode, Notation notation);
