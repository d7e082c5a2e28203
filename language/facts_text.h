#pragma once

#include "display_facts.h"

#include <QString>

#include <chrono>

// What the display's tooltip and accessible description say about the text on show, a fact a
// line, in the language of the translations installed: dates in the default locale's long
// format, numbers grouped as it groups them, every date with where it lies from `today`. Empty
// when the engine tells nothing.
QString FactsText(const DisplayFacts& facts, std::chrono::year_month_day today);
