#pragma once

#include "notation.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QTime>

#include <optional>
#include <string_view>

// The readers of one value each, over a pasted text in its canonical spelling (paste_text.h),
// tried where a value may start.

// An ASCII digit: the canonical spelling has no other.
inline bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// `form` matched where `at` starts, not anywhere after it.
inline QRegularExpressionMatch MatchAt(const QRegularExpression& form, const QString& text, qsizetype at) {
    return form.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
}

// What a reader found at `at`: nothing of its kind (End -1), or one that ends at End, read as
// Value or, without one, refused (a date that is none, a number whose marks read two ways).
template <typename T>
struct Reading {
    qsizetype End = -1;
    std::optional<T> Value;
    bool Found() const { return End >= 0; }
};

// A number as the pad types it ("1234.5", written out from an "E" form), its sign and whether a
// percent sign follows it.
struct Amount {
    QString Plain;
    bool Negative = false;
    bool Percent = false;
};

// A number in the notation's marks or any that cannot read two ways, with a sign before it, a
// trailing minus ("1.234,56-") or in parentheses, a currency on either side, a whole-amount dash
// after it ("120.–", "25,-", "1,50,000/-") and a percent sign.
Reading<Amount> ReadAmount(const QString& text, qsizetype at, const Notation& notation);

// A date in the locale's patterns or a written form: the one date all the forms that read the
// most of the text agree on; refused when they disagree, when it is no date, when its weekday
// does not fit, and in a year of the locale's other calendar.
Reading<QDate> ReadDate(const QString& text, qsizetype at, const Notation& notation);

// A time of day the same way, an AM/PM text on either side; whether its seconds were written.
struct Clock {
    QTime Time;
    bool Seconds = false;
    bool operator==(const Clock&) const = default;
};
Reading<Clock> ReadTime(const QString& text, qsizetype at, const Notation& notation);

// "2003-05-12", "2003-05-12T10:00:00", "2003-05-12 10:00"; a fraction of a second or a zone,
// which the pad cannot hold, refuses it.
struct Moment {
    QDate Date;
    std::optional<Clock> Time;
};
Reading<Moment> ReadIsoMoment(const QString& text, qsizetype at);

// A period after Add or Sub as the pad types it, "28/4/11" or "1:30:00": the pad's own form
// (three counts in Date mode, hours and minutes with or without seconds in Time mode, one count
// alone) or counts with the words of the translations, "3 weeks", "1 year and 2 months",
// "11 Jahre: 4 Monate: 28 Tage".
Reading<QString> ReadPeriod(const QString& text, qsizetype at, std::string_view mode, const Notation& notation);

// Three numbers joined by the same "/" or "-", as a date is written.
bool DateShaped(const QString& text, qsizetype at);
