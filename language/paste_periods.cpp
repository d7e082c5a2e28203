#include "paste_values.h"

#include "key_table.h"

#include <QRegularExpression>

#include <array>
#include <map>

namespace {

constexpr qsizetype kLongestCount = 9;

// The pad's own forms: "01/00/03" in Date mode; "1:30" or "1:30:15" in Time mode, minutes and
// seconds of two digits. Two counts in Date mode and one count alone read two ways (5 years to
// the pad, 5 days to a reader; 90 seconds or minutes), and are refused.
Reading<QString> PadPeriod(const QString& text, qsizetype at, std::string_view mode) {
    static const QRegularExpression kDatePeriod(QStringLiteral("\\d+(?:/\\d+(?<two>)(?:/\\d+(?<three>))?)?(?![\\d/])"));
    static const QRegularExpression kTimePeriod(
        QStringLiteral("\\d+(?::\\d{2}(?!\\d)(?<two>)(?::\\d{2}(?<three>))?)?(?![\\d:])"));
    const QRegularExpressionMatch match = MatchAt(mode == kDateMode ? kDatePeriod : kTimePeriod, text, at);
    if (!match.hasMatch()) return {};
    Reading<QString> reading{match.capturedEnd(), match.captured()};
    if (!match.hasCaptured(u"two")) reading.Value.reset();
    if (match.hasCaptured(u"two") && !match.hasCaptured(u"three")) {
        if (mode == kDateMode) reading.Value.reset();
        else *reading.Value += QStringLiteral(":00");
    }
    return reading;
}

bool IsDateUnit(PeriodUnit unit) {
    return unit == PeriodUnit::Days || unit == PeriodUnit::Months || unit == PeriodUnit::Years ||
           unit == PeriodUnit::Weeks;
}

// Counts with their words, each unit once, joined by blanks, ",", ":" or "and".
Reading<QString> WordedPeriod(const QString& text, qsizetype at, std::string_view mode, const Notation& notation) {
    static const QRegularExpression kCount(QStringLiteral(" *(\\d+) *(\\p{L}[\\p{L}\\p{M}'’]*)\\.?"));
    std::map<PeriodUnit, qint64> counts;
    qsizetype end = at;
    while (true) {
        const QRegularExpressionMatch match = MatchAt(kCount, text, end);
        const auto unit = notation.PeriodWords.constFind(match.captured(2));
        if (!match.hasMatch() || unit == notation.PeriodWords.cend()) break;
        // A count of ten digits or more moves past any date or time the pad holds.
        if (IsDateUnit(*unit) != (mode == kDateMode) || counts.contains(*unit) ||
            match.capturedLength(1) > kLongestCount) {
            return {match.capturedEnd(), {}};
        }
        counts[*unit] = match.captured(1).toLongLong();
        end = match.capturedEnd();
        static const QRegularExpression kJoin(QStringLiteral(" *[,:]?"));
        qsizetype next = MatchAt(kJoin, text, end).capturedEnd();
        if (const auto joined = MatchAt(notation.AndJoin, text, end); joined.hasMatch()) next = joined.capturedEnd();
        if (!MatchAt(kCount, text, next).hasMatch()) break;
        end = next;
    }
    if (counts.empty()) return {};
    const auto count = [&](PeriodUnit unit) { return counts.contains(unit) ? counts[unit] : 0; };
    if (mode == kDateMode) {
        const qint64 days = count(PeriodUnit::Days) + 7 * count(PeriodUnit::Weeks);
        return {end, QStringLiteral("%1/%2/%3").arg(days).arg(count(PeriodUnit::Months)).arg(count(PeriodUnit::Years))};
    }
    return {end, QStringLiteral("%1:%2:%3")
                     .arg(count(PeriodUnit::Hours))
                     .arg(count(PeriodUnit::Minutes), 2, 10, QLatin1Char('0'))
                     .arg(count(PeriodUnit::Seconds), 2, 10, QLatin1Char('0'))};
}

}  // namespace

Reading<QString> ReadPeriod(const QString& text, qsizetype at, std::string_view mode, const Notation& notation) {
    const Reading<QString> worded = WordedPeriod(text, at, mode, notation);
    return worded.Found() ? worded : PadPeriod(text, at, mode);
}
