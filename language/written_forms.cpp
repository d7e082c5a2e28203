#include "written_forms.h"

#include "paste_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

enum class Field { Literal, Day, Weekday, MonthNumber, MonthName, Year, Hour, Minute, Second, DayHalf, Unread };

struct Piece {
    Field Is = Field::Literal;
    QString Literal;  // canonical
    bool Optional = false;
};

// A pattern letter, repeated Count times.
Field FieldOf(QChar letter, qsizetype count) {
    switch (letter.unicode()) {
        case u'd':
            return count <= 2 ? Field::Day : Field::Weekday;
        case u'M':
            return count <= 2 ? Field::MonthNumber : Field::MonthName;
        case u'y':
            return Field::Year;
        case u'H':
        case u'h':
            return Field::Hour;
        case u'm':
            return Field::Minute;
        case u's':
            return Field::Second;
        case u'a':
        case u'A':
            return Field::DayHalf;
        case u'z':
        case u't':
            return Field::Unread;
        default:
            return Field::Literal;
    }
}

void AddLiteral(std::vector<Piece>& pieces, const QString& text) {
    if (text.isEmpty()) return;
    if (pieces.empty() || pieces.back().Is != Field::Literal) pieces.push_back({});
    pieces.back().Literal += CanonicalText(text).value_or(QString());
}

std::vector<Piece> Pieces(QStringView pattern) {
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            AddLiteral(pieces, stop == i + 1 ? QStringLiteral("'") : pattern.sliced(i + 1, stop - i - 1).toString());
            i = stop + 1;
            continue;
        }
        qsizetype count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c) ++count;
        const Field field = FieldOf(c, count);
        if (field == Field::Literal) {
            AddLiteral(pieces, pattern.sliced(i, count).toString());
        } else {
            pieces.push_back({field, {}, false});
        }
        i += count;
        // "AP" and "ap" are one field.
        if (field == Field::DayHalf && i < pattern.size() && pattern[i].toLower() == u'p') ++i;
    }
    return pieces;
}

bool HasLetters(const QString& text) {
    return std::ranges::any_of(text, [](QChar c) { return c.isLetter(); });
}

bool IsNumeric(Field field) {
    return field == Field::Day || field == Field::MonthNumber || field == Field::Year || field == Field::Hour ||
           field == Field::Minute || field == Field::Second;
}

// A zone goes with the literal before it; a weekday, the seconds and an AM/PM text become
// optional with the literal that joins them to the rest: the one after a field that starts the
// pattern, a unit that ends it ("ss秒"), else the one before unless it is a word ("日" of "d日dddd").
void MarkOptional(std::vector<Piece>& pieces) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].Is != Field::Unread) continue;
        const std::size_t from = i > 0 && pieces[i - 1].Is == Field::Literal ? i - 1 : i;
        pieces.erase(pieces.begin() + std::ptrdiff_t(from), pieces.begin() + std::ptrdiff_t(i + 1));
        i = from;
    }
    const auto literalAt = [&](std::size_t at) { return at < pieces.size() && pieces[at].Is == Field::Literal; };
    const auto numeric = std::ranges::count_if(pieces, [](const Piece& p) { return IsNumeric(p.Is); });
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Field field = pieces[i].Is;
        if (field != Field::Weekday && field != Field::Second && field != Field::DayHalf) continue;
        // "h AP" without its day half would be any number.
        if (field == Field::DayHalf && numeric < 2) continue;
        pieces[i].Optional = true;
        const bool endingUnit = i + 2 == pieces.size() && literalAt(i + 1);
        if ((i == 0 || endingUnit) && literalAt(i + 1)) {
            pieces[i + 1].Optional = true;
        } else if (i > 0 && literalAt(i - 1) && !HasLetters(pieces[i - 1].Literal)) {
            pieces[i - 1].Optional = true;
        }
    }
    if (numeric > 1 && pieces.back().Is == Field::Literal) pieces.back().Optional = true;
}

// Blanks may be left out or doubled, a comma left out; anything else as written.
QString LiteralExpression(const QString& literal) {
    QString expression;
    for (const QString& c : Characters(literal)) {
        if (c == u" ") expression += QStringLiteral(" *");
        else if (c == u",") expression += QStringLiteral(",?");
        else expression += QRegularExpression::escape(c);
    }
    return expression;
}

// A name of one to five words ("juin", "terça-feira", "יום שלישי"), looked up once read: a
// word that names nothing refuses the date rather than being read as another field.
const QString kName = QStringLiteral(
    "\\p{L}[\\p{L}\\p{M}\\p{N}\\x{200c}\\x{200d}'’-]*(?: \\p{L}[\\p{L}\\p{M}\\p{N}\\x{200c}\\x{200d}'’-]*){0,4}");

// A name ends where its letters do, so that "may" is never a weekday "ma" and a month "y".
const QString kNameEnd = QStringLiteral("(?![\\p{L}\\p{M}])");

QString FieldExpression(const Piece& piece, const QString& dayHalves) {
    switch (piece.Is) {
        case Field::Day:
            return QStringLiteral("(?<d>\\d{1,2})(?!\\d)(?<o>st|nd|rd|th|er)?");
        case Field::Weekday:
            return QStringLiteral("(?<w>%1)\\.?").arg(kName) + kNameEnd;
        case Field::MonthNumber:
            return QStringLiteral("(?<m>\\d{1,2})(?!\\d)");
        case Field::MonthName:
            return QStringLiteral("(?<n>%1)\\.?").arg(kName) + kNameEnd;
        case Field::Year:
            return QStringLiteral("(?<y>\\d{4})(?!\\d)");
        case Field::Hour:
            return QStringLiteral("(?<h>\\d{1,2})(?!\\d)");
        case Field::Minute:
            return QStringLiteral("(?<i>\\d{2})(?!\\d)");
        case Field::Second:
            return QStringLiteral("(?<s>\\d{2})(?!\\d)");
        case Field::DayHalf:
            return QStringLiteral("(?<a>%1)(?!\\p{L})").arg(dayHalves);
        case Field::Literal:
            return LiteralExpression(piece.Literal);
        case Field::Unread:
            break;
    }
    return {};
}

}  // namespace

QString FormExpression(QStringView pattern, const QString& dayHalves) {
    std::vector<Piece> pieces = Pieces(pattern);
    MarkOptional(pieces);
    QString expression;
    const auto fieldExpression = [&](std::size_t i) {
        QString part = FieldExpression(pieces[i], dayHalves);
        // A word written on to the name ("ddddที่") ends it instead.
        if (i + 1 < pieces.size() && pieces[i + 1].Is == Field::Literal && !pieces[i + 1].Literal.isEmpty() &&
            pieces[i + 1].Literal.front().isLetter()) {
            part.remove(kNameEnd);
        }
        return part;
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        QString part = fieldExpression(i);
        // An optional field and the literal joined to it are left out together.
        if (pieces[i].Optional && i + 1 < pieces.size() && pieces[i + 1].Optional) part += fieldExpression(++i);
        expression += pieces[i].Optional ? QStringLiteral("(?:%1)?").arg(part) : part;
    }
    return expression;
}
