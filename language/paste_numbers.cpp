#include "paste_values.h"

#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The pad has no exponent key, so an "E" form is typed written out; this bounds its length.
constexpr int kLargestExponent = 400;

constexpr char16_t kArabicPoint = u'\u066b';
// Between groups of three digits these only group them, in any locale.
constexpr std::u16string_view kGroupingMarks = u" '\u2019\u066c\u2e41";

bool In(std::u16string_view set, QChar c) { return set.find(c.unicode()) != std::u16string_view::npos; }

// The digit groups of a number and the single marks between them: "1.234,5" is the groups 1,
// 234, 5 with the marks ".,"; its exponent, capped one past the largest.
struct Written {
    std::vector<QString> Groups;
    std::u16string Marks;
    std::optional<int> Exponent;
};

class Cursor {
public:
    Cursor(const QString& text, qsizetype at, const Notation& notation) : text_(&text), at_(at), notation_(&notation) {}

    QChar At(qsizetype ahead = 0) const { return at_ + ahead < text_->size() ? (*text_)[at_ + ahead] : QChar(); }
    qsizetype Position() const { return at_; }
    void Move(qsizetype by) { at_ += by; }
    bool Take(QChar c) {
        if (At() != c) return false;
        ++at_;
        return true;
    }
    // Blanks, only when what follows them is `then`.
    bool TakeAfterBlanks(QChar then) {
        qsizetype blanks = 0;
        while (At(blanks) == u' ') ++blanks;
        if (At(blanks) != then) return false;
        at_ += blanks + 1;
        return true;
    }

    bool IsNumberMark(QChar c) const {
        const char16_t group = QChar(notation_->GroupSeparator).isSpace() ? u' ' : notation_->GroupSeparator;
        return c == u'.' || c == u',' || c == kArabicPoint || In(kGroupingMarks, c) || (group != 0 && c == group);
    }

    QString Digits() {
        QString digits;
        for (; IsDigit(At()); Move(1)) digits += At();
        return digits;
    }

    Written Number() {
        Written number;
        number.Groups.push_back(Digits());
        while (IsNumberMark(At()) && IsDigit(At(1))) {
            number.Marks.push_back(At().unicode());
            Move(1);
            number.Groups.push_back(Digits());
        }
        TakeExponent(number);
        return number;
    }

    // "e-07", "e+3" (the text is in lower case).
    void TakeExponent(Written& number) {
        const QChar sign = At(1);
        const qsizetype digits = sign == u'+' || sign == u'-' ? 2 : 1;
        if (At() != u'e' || !IsDigit(At(digits))) return;
        Move(digits);
        int exponent = 0;
        for (; IsDigit(At()); Move(1)) exponent = std::min(exponent * 10 + At().digitValue(), kLargestExponent + 1);
        number.Exponent = sign == u'-' ? -exponent : exponent;
    }

    // A currency symbol or code that no letter follows, a "." after a letter one ("Rs.").
    QString Currency() {
        for (const QString& symbol : notation_->CurrencySymbols) {
            if (!QStringView(*text_).sliced(at_).startsWith(symbol)) continue;
            const bool word = symbol.back().isLetter();
            if (word && At(symbol.size()).isLetter()) continue;
            Move(symbol.size());
            if (word) Take(u'.');
            return symbol;
        }
        return {};
    }

    // "120.–", "25,-", "1,50,000/-": no fraction.
    bool TakeWholeAmountDash() {
        if ((At() != u'.' && At() != u',' && At() != u'/') || At(1) != u'-') return false;
        Move(2);
        return true;
    }

    // "5." as the display shows a number whose point is typed and no decimal yet: the window's
    // own copy of it reads back.
    bool TakeBarePoint(const Written& number) {
        if (At() != u'.' || !number.Marks.empty() || IsDigit(At(1)) || IsNumberMark(At(1))) return false;
        Move(1);
        return true;
    }

    // A minus written after the amount ends it: the text or its line ends there.
    bool TakeTrailingMinus() {
        if (At() != u'-') return false;
        qsizetype after = 1;
        while (At(after) == u' ') ++after;
        if (!At(after).isNull() && At(after) != u'\n') return false;
        Move(1);
        return true;
    }

private:
    const QString* text_;
    qsizetype at_;
    const Notation* notation_;
};

// Which mark of a number is its decimal point: its position among the marks, npos for none, no
// value when the marks leave it ambiguous.
std::optional<std::size_t> DecimalMark(const Written& number, const Notation& notation, bool groupsShown) {
    const std::u16string_view marks = number.Marks;
    constexpr std::size_t kNone = std::u16string_view::npos;
    const auto count = [&](char16_t mark) { return std::ranges::count(marks, mark); };
    if (const std::size_t arabic = marks.find(kArabicPoint); arabic != kNone) {
        return count(kArabicPoint) == 1 && arabic + 1 == marks.size() ? std::optional{arabic} : std::nullopt;
    }
    const std::size_t lastDot = marks.rfind(u'.'), lastComma = marks.rfind(u',');
    if (lastDot != kNone && lastComma != kNone) return std::max(lastDot, lastComma);
    const bool dotGroups = notation.GroupSeparator == u'.';
    if (lastDot != kNone) {
        if (count(u'.') > 1) return dotGroups ? std::optional{kNone} : std::nullopt;
        // Where "." groups, "1.234" is a thousand and more to a spreadsheet and 1.234 to the
        // display, and Qt itself writes 1234567 as "1234.567" in Spanish; "0.125" and "1.2345"
        // can only be decimals. Beside the locale's own currency, in its own place, the notation
        // is the locale's.
        const bool couldGroup = marks.size() == 1 && number.Groups[1].size() == 3 && number.Groups[0] != u"0";
        if (couldGroup && dotGroups) return groupsShown ? std::optional{kNone} : std::nullopt;
        return lastDot;
    }
    if (lastComma != kNone && notation.DecimalPoint == u',') {
        return count(u',') == 1 ? std::optional{lastComma} : std::nullopt;
    }
    return kNone;
}

// The groups before the decimal point: all of three digits after a first of one to three, or
// where the locale groups the Indian way, of two before a last of three (12,34,567).
bool GroupsFit(const Written& number, std::size_t groupCount, const Notation& notation) {
    const auto sized = [&](qsizetype first, qsizetype middle) {
        if (number.Groups[0].size() > first || number.Groups[groupCount - 1].size() != 3) return false;
        for (std::size_t i = 1; i + 1 < groupCount; ++i) {
            if (number.Groups[i].size() != middle) return false;
        }
        return true;
    };
    return groupCount == 1 || sized(3, 3) || (notation.IndianGrouping && sized(2, 2));
}

// "1.5" with the exponent -7 as "0.00000015".
QString WrittenOut(const QString& mantissa, int exponent) {
    QString digits = mantissa;
    const qsizetype point = digits.contains(u'.') ? digits.indexOf(u'.') : digits.size();
    digits.remove(u'.');
    const qsizetype shifted = point + exponent;
    if (shifted <= 0) return QStringLiteral("0.") + QString(-shifted, u'0') + digits;
    if (shifted >= digits.size()) return digits + QString(shifted - digits.size(), u'0');
    return digits.insert(shifted, u'.');
}

// The number as the pad types it ("1234.5"), or no value when its marks are no valid grouping
// (one kind of mark, the decimal point last) or its exponent is too large to write out.
std::optional<QString> PlainNumber(const Written& number, const Notation& notation, bool groupsShown) {
    const auto decimal = DecimalMark(number, notation, groupsShown);
    if (!decimal) return std::nullopt;
    const std::size_t groupingEnd = std::min(*decimal, number.Marks.size());
    if (groupingEnd + 1 < number.Marks.size()) return std::nullopt;
    const std::u16string_view grouping = std::u16string_view(number.Marks).substr(0, groupingEnd);
    if (!grouping.empty() && std::ranges::count(grouping, grouping.front()) != qsizetype(groupingEnd)) {
        return std::nullopt;
    }
    if (!GroupsFit(number, groupingEnd + 1, notation)) return std::nullopt;
    QString plain;
    for (std::size_t i = 0; i < number.Groups.size(); ++i) {
        if (i == groupingEnd + 1) plain += u'.';
        plain += number.Groups[i];
    }
    if (!number.Exponent) return plain;
    if (groupingEnd != 0 || std::abs(*number.Exponent) > kLargestExponent) return std::nullopt;
    return WrittenOut(plain, *number.Exponent);
}

}  // namespace

Reading<Amount> ReadAmount(const QString& text, qsizetype at, const Notation& notation) {
    Cursor cursor(text, at, notation);
    const bool inParentheses = cursor.Take(u'(');
    while (cursor.Take(u' ')) {
    }
    bool negative = cursor.At() == u'-' && !cursor.At(1).isSpace() && cursor.Take(u'-');
    QString currency = cursor.Currency();
    const bool currencyFirst = !currency.isEmpty();
    while (currencyFirst && cursor.Take(u' ')) {
    }
    if (!negative && currencyFirst) negative = cursor.Take(u'-');
    if (!IsDigit(cursor.At())) return {};
    const Written number = cursor.Number();
    const bool barePoint = !cursor.TakeWholeAmountDash() && cursor.TakeBarePoint(number);
    if (currency.isEmpty()) {
        Cursor after = cursor;
        while (after.Take(u' ')) {
        }
        currency = after.Currency();
        if (!currency.isEmpty()) cursor = after;
    }
    Reading<Amount> reading;
    Amount amount;
    amount.Negative = negative;
    if (cursor.TakeTrailingMinus()) {
        if (amount.Negative) return {cursor.Position(), {}};
        amount.Negative = true;
    }
    amount.Percent = cursor.TakeAfterBlanks(u'%');
    if (inParentheses) {
        if (!cursor.TakeAfterBlanks(u')') || amount.Negative) return {cursor.Position(), {}};
        amount.Negative = true;
    }
    const bool groupsShown =
        !currency.isEmpty() && currency == notation.OwnCurrencySymbol && currencyFirst == notation.CurrencyFirst;
    const auto plain = PlainNumber(number, notation, groupsShown);
    reading.End = cursor.Position();
    if (!plain) return reading;
    amount.Plain = barePoint ? *plain + u'.' : *plain;
    reading.Value = amount;
    return reading;
}

bool DateShaped(const QString& text, qsizetype at) {
    static const QRegularExpression kShape(QStringLiteral("\\d+([/-])\\d+\\1\\d+"));
    return MatchAt(kShape, text, at).hasMatch();
}
