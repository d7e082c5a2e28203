#pragma once

#include "display_facts.h"

#include <QLocale>
#include <QString>

// What the display's tooltip and accessible description say about the text on show, a fact a
// line: dates in the locale's long format, numbers grouped as the locale groups them, the words
// in English like the rest of the window. Empty when the engine tells nothing.
QString FactsText(const DisplayFacts& facts, const QLocale& locale);
