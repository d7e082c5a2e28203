#include "facts_text.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("FactsText", text); }

// "1 week", "2,977 weekdays": %Ln groups the count as the default locale does, and the count
// picks the plural form.
QString Counted(const char* text, std::int64_t count) {
    return QCoreApplication::translate("FactsText", text, nullptr, static_cast<int>(count));
}

QString LongDate(std::chrono::year_month_day date, const QLocale& locale) {
    const QDate shown(int{date.year()}, static_cast<int>(unsigned{date.month()}),
                      static_cast<int>(unsigned{date.day()}));
    return locale.toString(shown, QLocale::LongFormat);
}

struct Wording {
    QLocale Locale;

    QString operator()(std::monostate) const { return {}; }

    QString operator()(std::chrono::year_month_day date) const { return LongDate(date, Locale); }

    QString operator()(const DateDifferenceFacts& facts) const {
        const std::int64_t weeks = facts.TotalDays / 7, days = facts.TotalDays % 7;
        QString inWeeks = Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln week(s)"), weeks);
        if (days != 0) {
            //: "595 weeks and 3 days": %1 the weeks, %2 the days left over.
            inWeeks = Tr(QT_TRANSLATE_NOOP("FactsText", "%1 and %2")).arg(inWeeks, Counted("%Ln day(s)", days));
        }
        //: Two long dates, as the locale writes them: "Thursday, 11 May 2000 to Sunday, 9 October 2011".
        return QStringList{Tr(QT_TRANSLATE_NOOP("FactsText", "%1 to %2"))
                               .arg(LongDate(facts.First, Locale), LongDate(facts.Second, Locale)),
                           Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s)"), facts.TotalDays), inWeeks,
                           //: Mondays to Fridays.
                           Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln weekday(s)"), facts.Weekdays)}
            .join(QLatin1Char('\n'));
    }

    QString operator()(const TimeDifferenceFacts& facts) const {
        const double hours = static_cast<double>(facts.TotalSeconds) / 3600;
        //: %1 is a decimal number of hours, "8.084 hours".
        return Tr(QT_TRANSLATE_NOOP("FactsText", "%1 hours")).arg(Locale.toString(hours, 'f', 3)) + QLatin1Char('\n') +
               Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln second(s)"), facts.TotalSeconds);
    }

    QString operator()(const MovedTimeFacts& facts) const {
        //: A clock time moved past midnight into the next day.
        if (facts.DaysMoved == 1) return Tr(QT_TRANSLATE_NOOP("FactsText", "next day"));
        if (facts.DaysMoved == -1) return Tr(QT_TRANSLATE_NOOP("FactsText", "previous day"));
        // Periods of more than a day wrap more than once.
        return facts.DaysMoved > 0 ? Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s) later"), facts.DaysMoved)
                                   : Counted(QT_TRANSLATE_N_NOOP("FactsText", "%Ln day(s) earlier"), -facts.DaysMoved);
    }
};

}  // namespace

QString FactsText(const DisplayFacts& facts) { return std::visit(Wording{QLocale()}, facts); }
