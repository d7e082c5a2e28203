#pragma once

#include "key_map.h"

#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

// The buttons a pasted text presses, or no value when the text is refused. The text is read whole
// into tokens first (numbers, words, signs, currency, line breaks), and every character must be
// part of one: a character that is read as nothing refuses the paste rather than being skipped,
// so two numbers are never glued together.
//
// Numbers are read by the notation's grouping and decimal point, an "E" form written out, a sign
// or an accounting negative "(1,234.50)" typed as "+/-" after the number, a currency beside a
// number dropped. Dates with "/", ".", "-" or a month name are typed day first, an ISO date-time
// gives its date in Date mode and its time in Time mode; 12-hour and French "22h30" times are
// typed on the 24-hour clock. Keys stand alone: operators, "%", "=", the letter shortcuts, and a
// line break inside the text presses "="; blanks and line breaks around the text are dropped.
std::optional<std::vector<ButtonIndex>> PastedKeys(QStringView text, std::string_view mode, const Notation& notation);
