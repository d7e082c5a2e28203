#include "facts_text.h"

#include "difference.h"
#include "wording.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>

#include <array>
#include <cstdlib>
#include <limits>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("FactsText", text); }

// "1 week", "2,977 weekdays": the count picks the plural form and is written as `language`
// writes numbers. Qt takes the count as an int and writes %Ln in the default locale, which need
// not be the one the window speaks; a larger count (the seconds between dates centuries apart)
// picks its form by its last six digits, which is all any language's rule reads. Either way the
// count Qt wrote is replaced by the count written whole.
QString Counted(const char* text, std::int64_t count, const QLocale& language, const char* disambiguation = nullptr) {
    constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
    const bool fits = count >= -kLargest && count <= kLargest;
    const int formCount = fits ? static_cast<int>(count) : static_cast<int>(std::abs(count) % 1'000'000 + 1'000'000);
    const QString counted = QCoreApplication::translate("FactsText", text, disambiguation, formCount);
    return QString(counted).replace(QLocale().toString(formCount),
                                    Isolated(language.toString(qlonglong{count}), counted));
}

// A year or a count below a thousand, without the grouping a number of 2,009 things would have.
QString Plain(int number, QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(number);
}

QString LongDate(std::chrono::year_month_day date, const QLocale& locale) {
    const QDate shown(int{date.year()}, static_cast<int>(unsigned{date.month()}),
                      static_cast<int>(unsigned{date.day()}));
    return locale.toString(shown, QLocale::LongFormat);
}

// Each count of a period with its unit, in the order the counts are applied.
constexpr std::array<const char*, 3> kDateUnits{QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s)"),
                                                QT_TRANSLATE_N_NOOP("FactsText", "%Ln month(s)"),
                                                QT_TRANSLATE_N_NOOP("FactsText", "%Ln year(s)")};
constexpr std::array<const char*, 3> kTimeUnits{QT_TRANSLATE_N_NOOP("FactsText", "%Ln hour(s)"),
                                                QT_TRANSLATE_N_NOOP("FactsText", "%Ln minute(s)"),
                                                QT_TRANSLATE_N_NOOP("FactsText", "%Ln second(s)")};

// "2 hours, 0 minutes and 30 seconds", or "10 years" for a text without a separator.
QString PeriodText(const PeriodFacts& period, const QLocale& language) {
    const auto& units = period.Kind == PeriodFacts::Units::DaysMonthsYears ? kDateUnits : kTimeUnits;
    const auto count = [&](std::size_t i) { return Counted(units[i], period.Counts[i], language); };
    if (!period.Separated) return count(2);
    //: The three counts of a period with their units: "2 hours, 0 minutes and 30 seconds".
    return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1, %2 and %3")), count(0), count(1), count(2));
}

QString AppliedText(const PeriodFacts& period, bool subtracted, const QLocale& language) {
    //: The period Add moved the date or time by: "1 day, 0 months and 3 years added".
    const char* added = QT_TRANSLATE_NOOP("FactsText", "%1 added");
    //: The period Sub moved the date or time back by: "1 day, 0 months and 3 years subtracted".
    const char* taken = QT_TRANSLATE_NOOP("FactsText", "%1 subtracted");
    return Sentence(Tr(subtracted ? taken : added), PeriodText(period, language));
}

QString DaysCrossed(std::int64_t days, const QLocale& language) {
    //: A clock time moved past midnight into the next day.
    if (days == 1) return Tr(QT_TRANSLATE_NOOP("FactsText", "next day"));
    if (days == -1) return Tr(QT_TRANSLATE_NOOP("FactsText", "previous day"));
    // Periods of more than a day wrap more than once.
    return days > 0 ? Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s) later"), days, language)
                    : Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s) earlier"), -days, language);
}

// "1 year and 3 days", "26 years, 6 months and 26 days": the counts that are not 0.
QString JoinedCounts(const QStringList& counts) {
    if (counts.size() == 1) return counts.front();
    if (counts.size() == 2) return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 and %2")), counts[0], counts[1]);
    return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1, %2 and %3")), counts[0], counts[1], counts[2]);
}

// The counts of a distance from today, for "in %1" and "%1 ago": a message of their own, as some
// languages put them in another case there.
struct Disambiguated {
    const char* Source;
    const char* Comment;
};
constexpr std::array<Disambiguated, 3> kDistanceUnits{{QT_TRANSLATE_N_NOOP3("FactsText", "%Ln year(s)", "from today"),
                                                       QT_TRANSLATE_N_NOOP3("FactsText", "%Ln month(s)", "from today"),
                                                       QT_TRANSLATE_N_NOOP3("FactsText", "%Ln day(s)", "from today")}};

// "today", "in 18 days", and beyond a month also as a difference counts it: "9,706 days ago (26
// years, 6 months and 26 days ago)".
QString DistanceText(const DateFromToday& from, const QLocale& language) {
    //: A line of a date's tooltip: the date on show is today's. "tomorrow" and "yesterday" likewise.
    if (from.Days == 0) return Tr(QT_TRANSLATE_NOOP("FactsText", "today"));
    if (from.Days == 1) return Tr(QT_TRANSLATE_NOOP("FactsText", "tomorrow"));
    if (from.Days == -1) return Tr(QT_TRANSLATE_NOOP("FactsText", "yesterday"));
    const bool ahead = from.Days > 0;
    QString inDays = ahead ? Counted(QT_TRANSLATE_N_NOOP("FactsText", "in %Ln day(s)"), from.Days, language)
                           : Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s) ago"), -from.Days, language);
    if (from.Years == 0 && from.Months == 0) return inDays;
    QStringList counts;
    const std::array<std::int64_t, 3> values{from.Years, from.Months, from.DaysLeft};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != 0) counts << Counted(kDistanceUnits[i].Source, values[i], language, kDistanceUnits[i].Comment);
    }
    //: A date ahead of today by years, months and days: "in 1 year, 2 months and 3 days". %1 is made of
    //: the counts marked "from today", which can take the case this phrase needs.
    const char* inCounts = QT_TRANSLATE_NOOP("FactsText", "in %1");
    //: A date before today by years, months and days: "26 years, 6 months and 26 days ago".
    const char* countsAgo = QT_TRANSLATE_NOOP("FactsText", "%1 ago");
    //: A date's distance from today in days, then in years, months and days:
    //: "9,706 days ago (26 years, 6 months and 26 days ago)".
    return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 (%2)")), inDays,
                    Sentence(Tr(ahead ? inCounts : countsAgo), JoinedCounts(counts)));
}

// "week 19, day 132 of 366", with the week's year where it is not the date's: "week 1 of 2009".
QString WeekText(const DatePlace& place, int year, const QLocale& locale) {
    const QString week = Plain(place.Week, locale), day = Plain(place.DayOfYear, locale),
                  days = Plain(place.DaysInYear, locale);
    if (place.WeekYear == year) {
        //: The ISO 8601 week of a date and its day of the year: "week 19, day 132 of 366".
        return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "week %1, day %2 of %3")), week, day, days);
    }
    //: As "week %1, day %2 of %3", for a week that belongs to the year before or after the date's:
    //: "week 1 of 2009, day 364 of 366" for 29 December 2008.
    return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "week %1 of %2, day %3 of %4")), week,
                    Plain(place.WeekYear, locale), day, days);
}

// Where a date lies: its distance from today where there is one, and its week and day.
QStringList PlaceLines(std::chrono::year_month_day date, std::chrono::year_month_day today, const QLocale& locale) {
    const DatePlace place = PlaceOf(date, today);
    QStringList lines;
    if (place.FromToday) lines << DistanceText(*place.FromToday, locale);
    return lines << WeekText(place, int{date.year()}, locale);
}

struct Wording {
    QLocale Language;
    std::chrono::year_month_day Today;

    // A date, a line each for what it tells.
    QStringList DateLines(std::chrono::year_month_day date) const {
        return QStringList{LongDate(date, Language)} << PlaceLines(date, Today, Language);
    }

    // A date of a difference in one line: "Thursday, 11 May 2000: 9,706 days ago; week 19, ...".
    QString DateOfDifference(std::chrono::year_month_day date) const {
        const QStringList place = PlaceLines(date, Today, Language);
        //: A date of a difference, its distance from today, and its week and day of the year:
        //: "Thursday, 11 May 2000: 9,706 days ago; week 19, day 132 of 366".
        if (place.size() == 2) {
            return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1: %2; %3")), LongDate(date, Language), place[0],
                            place[1]);
        }
        //: A date of a difference and its week and day of the year, where today is unknown.
        return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1: %2")), LongDate(date, Language), place[0]);
    }

    QString operator()(std::monostate) const { return {}; }

    QString operator()(std::chrono::year_month_day date) const { return DateLines(date).join(QLatin1Char('\n')); }

    QString operator()(const DateDifferenceFacts& facts) const {
        const std::int64_t weeks = facts.TotalDays / 7, days = facts.TotalDays % 7;
        QString inWeeks = Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln week(s)"), weeks, Language);
        if (days != 0) {
            //: Two counts: "595 weeks and 3 days", "1 year and 3 days ago".
            inWeeks = Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 and %2")), inWeeks,
                               Counted(kDateUnits[0], days, Language));
        }
        //: Two long dates, as the locale writes them: "Thursday, 11 May 2000 to Sunday, 9 October 2011".
        return QStringList{Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 to %2")), LongDate(facts.First, Language),
                                    LongDate(facts.Second, Language)),
                           Counted(kDateUnits[0], facts.TotalDays, Language), inWeeks,
                           //: Mondays to Fridays.
                           Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln weekday(s)"), facts.Weekdays, Language),
                           DateOfDifference(facts.First), DateOfDifference(facts.Second)}
            .join(QLatin1Char('\n'));
    }

    QString operator()(const TimeDifferenceFacts& facts) const {
        const double hours = static_cast<double>(facts.TotalSeconds) / 3600;
        //: %1 is a decimal number of hours, "8.084 hours".
        return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 hours")), Language.toString(hours, 'f', 3)) +
               QLatin1Char('\n') + Counted(kTimeUnits[2], facts.TotalSeconds, Language);
    }

    QString operator()(const MovedDateFacts& facts) const {
        QStringList lines = DateLines(facts.Reached);
        lines.insert(1, AppliedText(facts.Period, facts.Subtracted, Language));
        return lines.join(QLatin1Char('\n'));
    }

    QString operator()(const MovedTimeFacts& facts) const {
        QStringList lines{AppliedText(facts.Period, facts.Subtracted, Language)};
        if (facts.DaysMoved != 0) lines << DaysCrossed(facts.DaysMoved, Language);
        return lines.join(QLatin1Char('\n'));
    }

    QString operator()(const PeriodFacts& facts) const { return PeriodText(facts, Language); }
};

}  // namespace

QString FactsText(const DisplayFacts& facts, const QLocale& language, std::chrono::year_month_day today) {
    return std::visit(Wording{language, today}, facts);
}
