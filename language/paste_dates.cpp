#include "paste_values.h"

#include <QRegularExpression>

#include <vector>

namespace {

// The pad holds the dates from 01/01/0100 on; a year has four digits.
bool InPadRange(QDate date) { return date.isValid() && date.year() >= 100; }

int Number(const QRegularExpressionMatch& match, QStringView group) { return match.captured(group).toInt(); }

// "1st", "2nd", "3rd", "11th", "21st"; "1er". Any other ending refuses the date.
bool OrdinalFits(int day, QStringView ending) {
    if (ending.isEmpty()) return true;
    if (ending == u"er") return day == 1;
    const int last = day % 10;
    const bool teen = day / 10 == 1;
    if (ending == u"st") return last == 1 && !teen;
    if (ending == u"nd") return last == 2 && !teen;
    if (ending == u"rd") return last == 3 && !teen;
    return ending == u"th" && (teen || last == 0 || last > 3);
}

std::optional<QDate> DateOf(const QRegularExpressionMatch& match, const Notation& notation) {
    const int month = match.hasCaptured(u"n") ? notation.Months.value(match.captured(u"n")) : Number(match, u"m");
    const int year = Number(match, u"y"), day = Number(match, u"d");
    const QDate date(year, month, day);
    if (!InPadRange(date) || !OrdinalFits(day, match.captured(u"o"))) return std::nullopt;
    if (year >= notation.OtherEraYears[0] && year <= notation.OtherEraYears[1]) return std::nullopt;
    if (match.hasCaptured(u"w") && notation.Weekdays.value(match.captured(u"w")) != date.dayOfWeek()) {
        return std::nullopt;
    }
    return date;
}

std::optional<Clock> TimeOf(const QRegularExpressionMatch& match, const Notation& notation) {
    int hour = Number(match, u"h");
    if (match.hasCaptured(u"a")) {
        const QString half = match.captured(u"a").remove(u'.').remove(u' ');
        if (!notation.DayHalves.contains(half) || hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (notation.DayHalves.value(half) ? 12 : 0);
    }
    const QTime time(hour, Number(match, u"i"), Number(match, u"s"));
    return time.isValid() ? std::optional{Clock{time, match.hasCaptured(u"s")}} : std::nullopt;
}

// The one value every form that reads the most of the text agrees on.
template <typename T, typename Read>
Reading<T> Agreed(const std::vector<QRegularExpression>& forms, const QString& text, qsizetype at, Read read) {
    Reading<T> longest;
    bool disagree = false;
    for (const QRegularExpression& form : forms) {
        const QRegularExpressionMatch match = MatchAt(form, text, at);
        if (!match.hasMatch() || match.capturedEnd() < longest.End) continue;
        const std::optional<T> value = read(match);
        if (match.capturedEnd() > longest.End) {
            longest = {match.capturedEnd(), value};
            disagree = false;
        } else if (value != longest.Value) {
            // A form that finds no valid value there does not outvote one that does.
            if (!longest.Value) longest.Value = value;
            else if (value) disagree = true;
        }
    }
    if (disagree) longest.Value.reset();
    return longest;
}

}  // namespace

Reading<QDate> ReadDate(const QString& text, qsizetype at, const Notation& notation) {
    return Agreed<QDate>(notation.DateForms, text, at,
                         [&](const QRegularExpressionMatch& match) { return DateOf(match, notation); });
}

Reading<Clock> ReadTime(const QString& text, qsizetype at, const Notation& notation) {
    return Agreed<Clock>(notation.TimeForms, text, at,
                         [&](const QRegularExpressionMatch& match) { return TimeOf(match, notation); });
}

Reading<Moment> ReadIsoMoment(const QString& text, qsizetype at) {
    static const QRegularExpression kIso(
        QStringLiteral("(?<y>\\d{4})-(?<m>\\d{2})-(?<d>\\d{2})(?:[t ](?<h>\\d{2}):(?<i>\\d{2})(?::(?<s>\\d{2}))?"
                       "(?<unread>[.,]\\d+)?(?<zone>z|[+-]\\d{2}(?::?\\d{2})?)?)?(?!\\d)"));
    const QRegularExpressionMatch match = MatchAt(kIso, text, at);
    if (!match.hasMatch()) return {};
    Reading<Moment> reading{match.capturedEnd(), {}};
    const QDate date(Number(match, u"y"), Number(match, u"m"), Number(match, u"d"));
    if (!InPadRange(date) || match.hasCaptured(u"unread") || match.hasCaptured(u"zone")) return reading;
    Moment moment{date, {}};
    if (match.hasCaptured(u"h")) {
        const QTime time(Number(match, u"h"), Number(match, u"i"), Number(match, u"s"));
        if (!time.isValid()) return reading;
        moment.Time = Clock{time, match.hasCaptured(u"s")};
    }
    reading.Value = moment;
    return reading;
}
