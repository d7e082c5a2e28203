#include "facts_text.h"

#include <QDate>
#include <QStringList>

#include <array>

namespace {

// "1 week", "2,977 weekdays".
QString Count(std::int64_t count, const char* unit, const QLocale& locale) {
    return QStringLiteral("%1 %2%3").arg(locale.toString(qlonglong{count}), QLatin1String(unit),
                                         count == 1 ? QString() : QStringLiteral("s"));
}

QString LongDate(std::chrono::year_month_day date, const QLocale& locale) {
    const QDate shown(int{date.year()}, static_cast<int>(unsigned{date.month()}),
                      static_cast<int>(unsigned{date.day()}));
    return locale.toString(shown, QLocale::LongFormat);
}

// "2 hours, 0 minutes and 30 seconds", or "10 years" for a text without a separator.
QString PeriodText(const PeriodFacts& period, const QLocale& locale) {
    const bool date = period.Kind == PeriodFacts::Units::DaysMonthsYears;
    const std::array<const char*, 3> units =
        date ? std::array{"day", "month", "year"} : std::array{"hour", "minute", "second"};
    const auto count = [&](std::size_t i) { return Count(period.Counts[i], units[i], locale); };
    if (!period.Separated) return count(2);
    return QStringLiteral("%1, %2 and %3").arg(count(0), count(1), count(2));
}

QString AppliedText(const PeriodFacts& period, bool subtracted, const QLocale& locale) {
    return (subtracted ? QStringLiteral("%1 subtracted") : QStringLiteral("%1 added")).arg(PeriodText(period, locale));
}

QString DaysCrossed(std::int64_t days, const QLocale& locale) {
    if (days == 1) return QStringLiteral("next day");
    if (days == -1) return QStringLiteral("previous day");
    // Periods of more than a day wrap more than once.
    return Count(std::abs(days), "day", locale) + (days > 0 ? QStringLiteral(" later") : QStringLiteral(" earlier"));
}

struct Wording {
    const QLocale& Locale;

    QString operator()(std::monostate) const { return {}; }

    QString operator()(std::chrono::year_month_day date) const { return LongDate(date, Locale); }

    QString operator()(const DateDifferenceFacts& facts) const {
        const std::int64_t weeks = facts.TotalDays / 7, days = facts.TotalDays % 7;
        QString inWeeks = Count(weeks, "week", Locale);
        if (days != 0) inWeeks += QStringLiteral(" and ") + Count(days, "day", Locale);
        return QStringList{LongDate(facts.First, Locale) + QStringLiteral(" to ") + LongDate(facts.Second, Locale),
                           Count(facts.TotalDays, "day", Locale), inWeeks, Count(facts.Weekdays, "weekday", Locale)}
            .join(QLatin1Char('\n'));
    }

    QString operator()(const TimeDifferenceFacts& facts) const {
        const double hours = static_cast<double>(facts.TotalSeconds) / 3600;
        return QStringLiteral("%1 hours\n%2")
            .arg(Locale.toString(hours, 'f', 3), Count(facts.TotalSeconds, "second", Locale));
    }

    QString operator()(const MovedDateFacts& facts) const {
        return LongDate(facts.Reached, Locale) + QLatin1Char('\n') +
               AppliedText(facts.Period, facts.Subtracted, Locale);
    }

    QString operator()(const MovedTimeFacts& facts) const {
        QStringList lines{AppliedText(facts.Period, facts.Subtracted, Locale)};
        if (facts.DaysMoved != 0) lines << DaysCrossed(facts.DaysMoved, Locale);
        return lines.join(QLatin1Char('\n'));
    }

    QString operator()(const PeriodFacts& facts) const { return PeriodText(facts, Locale); }
};

}  // namespace

QString FactsText(const DisplayFacts& facts, const QLocale& locale) { return std::visit(Wording{locale}, facts); }
