#pragma once

#include "calc_engine.h"

#include <QString>

#include <cstdint>
#include <string_view>

// The engine speaks English in a few fixed texts and hands the rest as values; these word them
// in the user's language, through the translations installed (see translations.h). With none
// installed they give the engine's English, byte for byte.

// A text of one of the window's tables, marked there with QT_TRANSLATE_NOOP in this context. The
// tables hold whole literals, so the view's data() ends where the text does.
QString Translated(const char* context, std::string_view text);

// A pad key's caption: the words and abbreviations translated, digits and signs as they are.
QString KeyCaption(std::string_view caption);

// What the display shows for a press: a difference worded from its counts, a fixed error text
// translated, anything else (digits, dates, times) as the engine wrote it.
QString DisplayText(const PressResult& result);

// "11 Years: 4 Months: 28 Days" and "8 Hours: 5 Minutes: 3 Seconds", the time's without the
// blank that ends it on the display.
QString DateDifferenceText(std::int64_t years, std::int64_t months, std::int64_t days);
QString TimeDifferenceText(std::int64_t hours, std::int64_t minutes, std::int64_t seconds);

// The mode's usage help, lines separated by carriage returns; empty in Number mode.
QString HelpText(std::string_view mode);
