#pragma once

#include "display_facts.h"

#include <QLocale>
#include <QString>

#include <chrono>

// What the display's tooltip and accessible description say about the text on show, a fact a
// line, in the language of the translations installed: dates in the long format of `language`
// (Translations::Locale, the locale that speaks that language), numbers in its digits and
// grouped as it groups them, every date with where it lies from `today`. Empty when the engine
// tells nothing.
QString FactsText(const DisplayFacts& facts, const QLocale& language, std::chrono::year_month_day today);
