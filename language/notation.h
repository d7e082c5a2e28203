#pragma once

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <vector>

// A unit a period is written in; weeks are typed as seven days.
enum class PeriodUnit { Days, Months, Years, Weeks, Hours, Minutes, Seconds };

// How the user's locale writes numbers, dates and times, as far as typing and pasting need it:
// from QLocale's own data for the locale and for English, and from the program's translations.
// The words are in the paste's canonical spelling (paste_text.h).
struct Notation {
    char16_t DecimalPoint = u'.';
    char16_t GroupSeparator = u',';  // '\0' for no grouping
    bool IndianGrouping = false;     // 12,34,567: groups of two before the last three
    // The locale's short and long date patterns and the forms people write in any locale; the
    // locale's time patterns and the written ones. Each is tried anchored where a value starts;
    // named groups: d (day), o (its ordinal ending), m (month number), n (month name), w
    // (weekday), y (four-digit year); h, i (minutes), s, a (AM or PM text).
    std::vector<QRegularExpression> DateForms;
    std::vector<QRegularExpression> TimeForms;
    QHash<QString, int> Months;              // every name of a month, without its "." → 1..12; 0: two months
    QHash<QString, int> Weekdays;            // → 1..7, Monday 1; 0: two days
    QHash<QString, bool> DayHalves;          // an AM or PM text without its dots and blanks → is PM
    QStringList CurrencySymbols;             // every locale's symbols and codes, longest first
    QString OwnCurrencySymbol;               // the locale's own, in the locale's own pattern...
    bool CurrencyFirst = false;              // ...before the amount
    std::array<int, 2> OtherEraYears{};      // years another calendar of the locale's counts in, refused
    bool SlashMayBeDecimal = false;          // "/" between digits is the locale writers' decimal mark
    QHash<QString, PeriodUnit> PeriodWords;  // the units as the translations word them
    QRegularExpression AndJoin{QStringLiteral("(?!)")};  // " and " as they word it, blanks before it
};

// All from QLocale's own data for the locale and for English, and from the translations
// installed when it is called.
Notation NotationOf(const QLocale& locale);
// The locale's decimal point, "." where it names none.
char16_t DecimalPointOf(const QLocale& locale);
