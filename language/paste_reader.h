#pragma once

#include "key_map.h"
#include "notation.h"

#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

// What the pad waits for when the paste comes: an Add or Sub of Date or Time mode waits for its
// period, anything else for a value.
enum class Awaited { Value, Period };

// The buttons a pasted text presses, or no value when the text is refused. The text is read
// whole, every character part of a number, date, time, period, operator or line break (which
// presses "="), or the paste is refused: nothing is skipped, and nothing is read that two
// careful readers could take two ways. A value that starts the text starts a new entry (CE
// first); an operator that starts it goes on from the entry. A letter key stands only alone.
//
// Number mode: numbers and currency amounts in the notation's marks (paste_values.h), the
// operators where the pad computes what the text means (no × or ÷ after + or −), a percentage
// after + or − as the percent key and elsewhere as its value (12,5 % is 0.125); a date is
// refused. Date and Time modes: dates and times in the locale's patterns and the written forms,
// typed as dd/mm/yyyy and hh:mm(:ss); after Add or Sub a period; a dash between two dates or
// times is a range, and refused; an operator after a period computes it first ("=").
std::optional<std::vector<ButtonIndex>> PastedKeys(QStringView text, std::string_view mode, const Notation& notation,
                                                   Awaited awaited = Awaited::Value);
