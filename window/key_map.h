#pragma once

#include "key_table.h"

#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

// The pad button a key names, decided from what Qt reports so it holds on any keyboard layout.
// `key` is a Qt::Key value, `typed` the character the key produced (0 for none).

// By key code: Backspace, Delete, Escape, the digits (Shift ignored), the keypad operators and
// decimal point, Enter and Return.
std::optional<ButtonIndex> KeyDownIndex(int key, bool keypad, char16_t typed);

// By typed character, for keys that KeyDownIndex does not name: the digits and the character
// table; some characters name a button only in one mode.
std::optional<ButtonIndex> KeyPressIndex(char16_t typed, std::string_view mode);

// The buttons a pasted text presses, character by character as if typed: blanks and line breaks
// around it are dropped, a line break inside it ("\n", "\r" or "\r\n") presses "=", and a
// character that names no button is skipped.
std::vector<ButtonIndex> PastedKeys(QStringView text, std::string_view mode);
