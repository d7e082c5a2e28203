#include "facts_text.h"

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
QString Counted(const char* text, std::int64_t count, const QLocale& language) {
    constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
    const bool fits = count >= -kLargest && count <= kLargest;
    const int formCount = fits ? static_cast<int>(count) : static_cast<int>(std::abs(count) % 1'000'000 + 1'000'000);
    const QString counted = QCoreApplication::translate("FactsText", text, nullptr, formCount);
    return QString(counted).replace(QLocale().toString(formCount),
                                    Isolated(language.toString(qlonglong{count}), counted));
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

struct Wording {
    QLocale Language;

    QString operator()(std::monostate) const { return {}; }

    QString operator()(std::chrono::year_month_day date) const { return LongDate(date, Language); }

    QString operator()(const DateDifferenceFacts& facts) const {
        const std::int64_t weeks = facts.TotalDays / 7, days = facts.TotalDays % 7;
        QString inWeeks = Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln week(s)"), weeks, Language);
        if (days != 0) {
            //: "595 weeks and 3 days": %1 the weeks, %2 the days left over.
            inWeeks = Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 and %2")), inWeeks,
                               Counted(kDateUnits[0], days, Language));
        }
        //: Two long dates, as the locale writes them: "Thursday, 11 May 2000 to Sunday, 9 October 2011".
        return QStringList{Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 to %2")), LongDate(facts.First, Language),
                                    LongDate(facts.Second, Language)),
                           Counted(kDateUnits[0], facts.TotalDays, Language), inWeeks,
                           //: Mondays to Fridays.
                           Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln weekday(s)"), facts.Weekdays, Language)}
            .join(QLatin1Char('\n'));
    }

    QString operator()(const TimeDifferenceFacts& facts) const {
        const double hours = static_cast<double>(facts.TotalSeconds) / 3600;
        //: %1 is a decimal number of hours, "8.084 hours".
        return Sentence(Tr(QT_TRANSLATE_NOOP("FactsText", "%1 hours")), Language.toString(hours, 'f', 3)) +
               QLatin1Char('\n') + Counted(kTimeUnits[2], facts.TotalSeconds, Language);
    }

    QString operator()(const MovedDateFacts& facts) const {
        return LongDate(facts.Reached, Language) + QLatin1Char('\n') +
               AppliedText(facts.Period, facts.Subtracted, Language);
    }

    QString operator()(const MovedTimeFacts& facts) const {
        QStringList lines{AppliedText(facts.Period, facts.Subtracted, Language)};
        if (facts.DaysMoved != 0) lines << DaysCrossed(facts.DaysMoved, Language);
        return lines.join(QLatin1Char('\n'));
    }

    QString operator()(const PeriodFacts& facts) const { return PeriodText(facts, Language); }
};

}  // namespace

QString FactsText(const DisplayFacts& facts, const QLocale& language) { return std::visit(Wording{language}, facts); }
