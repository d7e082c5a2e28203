#pragma once

#include "calc_engine.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
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

// A date, time or number set into a translated sentence: where the sentence runs right to left,
// isolated (U+2068 first strong isolate to U+2069 pop directional isolate), so that it reads in
// its own order whatever stands beside it; elsewhere as it is.
QString Isolated(const QString& inserted, const QString& sentence);

// A translated sentence with its arguments %1, %2... set in, each isolated as above. A sentence
// without words of its own ("%1: %2") reads in the direction of the first words set into it.
template <typename... Arguments>
QString Sentence(const QString& sentence, const Arguments&... arguments) {
    const QString reading = sentence + (QString() + ... + arguments);
    return sentence.arg(Isolated(arguments, reading)...);
}

// The text without its last character as the user sees it: a letter with its marks, never an
// isolate's invisible bounds alone, which stay paired.
QString WithoutLastCharacter(QString text);

// What the display shows for each press, a difference in the user's language included. The engine
// keeps a difference as its English text and edits it as any entry (Backspace takes its last
// character, a separator is added to it); such an edit is made to what the user sees instead, so
// that the display never turns English.
class DisplayWording {
public:
    // `caption` is the English caption of the key pressed.
    QString Shown(const PressResult& result, std::string_view caption);

private:
    std::string edited_;  // the engine's text of the difference last worded, as edited since
    QString shown_;       // what the display shows for it
};
