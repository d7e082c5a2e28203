#include "paste_reader.h"

#include <QDate>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace {

// The pad has no exponent key, so an "E" form is typed written out; this bounds its length.
constexpr int kLargestExponent = 400;

constexpr char16_t kArabicPoint = u'\u066b';
// Between groups of three digits these only group them, in any locale.
constexpr std::u16string_view kGroupingMarks = u" \u00a0\u202f'\u2019\u066c";
constexpr std::u16string_view kMinusSigns = u"-\u2212\u2013";
// Before a number, these leave its minus a sign rather than the subtract key.
constexpr std::u16string_view kBeforeSign = u"+-*/=xX\u00d7\u00f7\u2212\u2013";
// The characters that are a token of their own.
constexpr std::u16string_view kSymbols = u"+-*/=%().,:\u00d7\u00f7\u2212\u2013";
// They only set the direction of the text around them.
constexpr std::u16string_view kDirectionMarks = u"\u200e\u200f\u061c";

bool In(std::u16string_view set, QChar c) { return set.find(c.unicode()) != std::u16string_view::npos; }
// A decimal digit of any script: Arabic-Indic, Persian and Devanagari as well as ASCII.
bool IsDigit(QChar c) { return c.isDigit() && c.digitValue() >= 0; }
bool IsWordCharacter(QChar c) { return c.isLetter() || c.isMark() || c == u'\u200c' || c == u'\u200d'; }

struct Token {
    enum class Kind { Number, Word, Symbol, Currency, LineBreak };
    Kind Is = Kind::Symbol;
    QString Text;         // a number's digits in ASCII; a word, symbol or currency as pasted
    bool Spaced = false;  // a blank before it
    // Number mode: the digit groups of a number and the single marks between them, "1.234,5" the
    // groups 1, 234, 5 with the marks ".,"; its exponent, capped one past the largest.
    std::vector<QString> Groups;
    std::u16string Marks;
    std::optional<int> Exponent;
};
using Kind = Token::Kind;

// Cuts the text into tokens; no value when a character fits none.
class Lexer {
public:
    Lexer(QStringView text, std::string_view mode, const Notation& notation)
        : text_(text), numberMode_(mode == kNumberMode), notation_(notation) {}

    std::optional<std::vector<Token>> Tokens() {
        std::vector<Token> tokens;
        while (true) {
            const bool spaced = SkipBlanks();
            if (at_ >= text_.size()) return tokens;
            Token token;
            token.Spaced = spaced;
            if (!ReadLineBreak(token) && !ReadCurrency(token) && !ReadNumber(token) && !ReadWord(token) &&
                !ReadSymbol(token)) {
                return std::nullopt;
            }
            tokens.push_back(std::move(token));
        }
    }

private:
    QChar At(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    bool SkipBlanks() {
        const qsizetype start = at_;
        while (at_ < text_.size() &&
               ((At(at_).isSpace() && At(at_) != u'\r' && At(at_) != u'\n') || In(kDirectionMarks, At(at_)))) {
            ++at_;
        }
        return at_ > start;
    }

    bool ReadLineBreak(Token& token) {
        if (At(at_) != u'\r' && At(at_) != u'\n') return false;
        at_ += At(at_) == u'\r' && At(at_ + 1) == u'\n' ? 2 : 1;
        token.Is = Kind::LineBreak;
        return true;
    }

    // "$", "€", "CHF", the locale's own; a code only where no letter follows.
    bool ReadCurrency(Token& token) {
        for (const QString& symbol : notation_.CurrencySymbols) {
            const qsizetype end = at_ + symbol.size();
            if (!text_.sliced(at_).startsWith(symbol) || (symbol.back().isLetter() && IsWordCharacter(At(end)))) {
                continue;
            }
            token.Is = Kind::Currency;
            token.Text = symbol;
            at_ = end;
            return true;
        }
        return false;
    }

    QString Digits() {
        QString digits;
        for (; IsDigit(At(at_)); ++at_) digits += QChar(u'0' + At(at_).digitValue());
        return digits;
    }

    bool IsNumberMark(QChar c) const {
        return c == u'.' || c == u',' || c == kArabicPoint || In(kGroupingMarks, c) || c == notation_.GroupSeparator;
    }

    // Outside Number mode digits stand alone: "." and blanks are separators there.
    bool ReadNumber(Token& token) {
        if (!IsDigit(At(at_))) return false;
        token.Is = Kind::Number;
        token.Groups.push_back(Digits());
        while (numberMode_ && IsNumberMark(At(at_)) && IsDigit(At(at_ + 1))) {
            token.Marks.push_back(At(at_++).unicode());
            token.Groups.push_back(Digits());
        }
        for (const QString& group : token.Groups) token.Text += group;
        if (numberMode_) ReadExponent(token);
        return true;
    }

    // "E-07", "e+3", "E−07".
    void ReadExponent(Token& token) {
        const QChar sign = At(at_ + 1);
        const qsizetype digits = sign == u'+' || In(kMinusSigns, sign) ? at_ + 2 : at_ + 1;
        if ((At(at_) != u'e' && At(at_) != u'E') || !IsDigit(At(digits))) return;
        int exponent = 0;
        for (at_ = digits; IsDigit(At(at_)); ++at_) {
            exponent = std::min(exponent * 10 + At(at_).digitValue(), kLargestExponent + 1);
        }
        token.Exponent = In(kMinusSigns, sign) ? -exponent : exponent;
    }

    bool ReadWord(Token& token) {
        const qsizetype start = at_;
        while (IsWordCharacter(At(at_))) ++at_;
        if (at_ == start) return false;
        token.Is = Kind::Word;
        token.Text = text_.sliced(start, at_ - start).toString();
        return true;
    }

    bool ReadSymbol(Token& token) {
        if (!In(kSymbols, At(at_))) return false;
        token.Is = Kind::Symbol;
        token.Text = At(at_++);
        return true;
    }

    QStringView text_;
    bool numberMode_;
    const Notation& notation_;
    qsizetype at_ = 0;
};

// Which mark of a number is its decimal point: its position among the marks, npos for none, no
// value when the marks leave it ambiguous.
std::optional<std::size_t> DecimalMark(const Token& number, const Notation& notation) {
    const std::u16string_view marks = number.Marks;
    constexpr std::size_t kNone = std::u16string_view::npos;
    const auto count = [&](char16_t mark) { return std::ranges::count(marks, mark); };
    if (const std::size_t arabic = marks.find(kArabicPoint); arabic != kNone) {
        return count(kArabicPoint) == 1 && arabic + 1 == marks.size() ? std::optional{arabic} : std::nullopt;
    }
    const std::size_t lastDot = marks.rfind(u'.'), lastComma = marks.rfind(u',');
    if (lastDot != kNone && lastComma != kNone) return std::max(lastDot, lastComma);
    if (lastDot != kNone) {
        if (count(u'.') > 1) return notation.GroupSeparator == u'.' ? std::optional{kNone} : std::nullopt;
        // Where "." groups, "1.234" is a thousand and more to a spreadsheet and 1.234 to the
        // display; "0.125", "1234.567" and "1.2345" can only be decimals.
        const bool couldGroup = marks.size() == 1 && number.Groups[1].size() == 3 && number.Groups[0].size() <= 3 &&
                                number.Groups[0] != u"0";
        return couldGroup && notation.GroupSeparator == u'.' ? std::nullopt : std::optional{lastDot};
    }
    if (lastComma != kNone && notation.DecimalPoint == u',') {
        return count(u',') == 1 ? std::optional{lastComma} : std::nullopt;
    }
    return kNone;
}

// The groups before the decimal point: all of three digits after a first of one to three, or
// where the locale groups the Indian way, of two before a last of three (12,34,567).
bool GroupsFit(const Token& number, std::size_t groupCount, const Notation& notation) {
    const auto sized = [&](std::size_t first, std::size_t middle) {
        if (number.Groups[0].size() > qsizetype(first) || number.Groups[groupCount - 1].size() != 3) return false;
        for (std::size_t i = 1; i + 1 < groupCount; ++i) {
            if (number.Groups[i].size() != qsizetype(middle)) return false;
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
std::optional<QString> PlainNumber(const Token& number, const Notation& notation) {
    const auto decimal = DecimalMark(number, notation);
    if (!decimal) return std::nullopt;
    const std::size_t groupingEnd = std::min(*decimal, number.Marks.size());
    if (groupingEnd + 1 < number.Marks.size()) return std::nullopt;
    const std::u16string_view grouping = std::u16string_view(number.Marks).substr(0, groupingEnd);
    if (std::ranges::count(grouping, number.Marks.front()) != qsizetype(groupingEnd)) return std::nullopt;
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

QString TwoDigits(int number) { return QString::number(number).rightJustified(2, u'0'); }

// The position of the word in the lists of names, or -1.
template <std::size_t N>
int NameIndex(const std::array<QStringList, N>& names, const Token* word) {
    if (word == nullptr || word->Is != Kind::Word) return -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i].contains(word->Text.toLower())) return int(i);
    }
    return -1;
}

class PasteReader {
public:
    PasteReader(std::vector<Token> tokens, std::string_view mode, const Notation& notation)
        : tokens_(std::move(tokens)), mode_(mode), notation_(notation) {}

    std::optional<std::vector<ButtonIndex>> Keys() {
        while (at_ < tokens_.size() && !refused_) {
            if (!ReadOne()) refused_ = true;
        }
        return refused_ ? std::nullopt : std::optional{keys_};
    }

private:
    bool ReadOne() {
        if (ReadLineBreak()) return true;
        if (mode_ == kNumberMode) return ReadNumber() || ReadAccountingNegative() || ReadCurrency() || ReadKey();
        if (mode_ == kDateMode) return ReadIsoDate() || ReadNamedDate() || ReadDashDate() || ReadFields() || ReadKey();
        return ReadIsoDate() || ReadFields() || ReadKey();
    }

    const Token* Peek(std::size_t ahead = 0) const {
        return at_ + ahead < tokens_.size() ? &tokens_[at_ + ahead] : nullptr;
    }
    static bool IsNumber(const Token* t, qsizetype minDigits = 1, qsizetype maxDigits = 1000) {
        return t != nullptr && t->Is == Kind::Number && t->Text.size() >= minDigits && t->Text.size() <= maxDigits;
    }
    static bool IsSymbol(const Token* t, std::u16string_view symbols) {
        return t != nullptr && t->Is == Kind::Symbol && In(symbols, t->Text.front());
    }
    // Written straight after the token before it.
    static bool Joined(const Token* t) { return t != nullptr && !t->Spaced; }
    static bool IsWord(const Token* t, const QStringList& words) {
        return t != nullptr && t->Is == Kind::Word && words.contains(t->Text.toLower());
    }

    void Press(ButtonIndex index) {
        keys_.push_back(index);
        afterValue_ = false;
    }

    // Digits and ".", or the fields of a date or time joined by the mode's separator. A value
    // right after another would run its digits into the other's.
    void Type(const QString& plain) {
        if (afterValue_) refused_ = true;
        std::ranges::transform(plain, std::back_inserter(keys_),
                               [](QChar c) { return c == u'.' ? kPoint : DigitIndex(c.digitValue()); });
        afterValue_ = true;
    }
    void TypeFields(const QStringList& fields) { Type(fields.join(u'.')); }

    bool ReadLineBreak() {
        if (Peek() == nullptr || Peek()->Is != Kind::LineBreak) return false;
        ++at_;
        Press(kEquals);
        return true;
    }

    bool SignMayFollow() const {
        if (at_ == 0) return true;
        const Token& before = tokens_[at_ - 1];
        return before.Is == Kind::LineBreak || (before.Text.size() == 1 && In(kBeforeSign, before.Text.front()));
    }

    // A number, with a sign written straight before it that starts the text or follows an operator.
    bool ReadNumber() {
        const bool signed_ = IsSymbol(Peek(), kMinusSigns) && IsNumber(Peek(1)) && Joined(Peek(1)) && SignMayFollow();
        const Token* number = Peek(signed_ ? 1 : 0);
        if (!IsNumber(number)) return false;
        at_ += signed_ ? 2 : 1;
        TypeNumber(*number, signed_);
        return true;
    }

    void TypeNumber(const Token& number, bool negated) {
        const auto plain = PlainNumber(number, notation_);
        if (!plain) {
            refused_ = true;
            return;
        }
        Type(*plain);
        if (negated) keys_.push_back(kChangeSign);
    }

    // "(1,234.50)", a currency inside allowed: the number negated.
    bool ReadAccountingNegative() {
        if (!IsSymbol(Peek(), u"(")) return false;
        std::size_t ahead = 1;
        const auto skipCurrency = [&] { ahead += Peek(ahead) != nullptr && Peek(ahead)->Is == Kind::Currency; };
        skipCurrency();
        const Token* number = Peek(ahead++);
        skipCurrency();
        if (!IsNumber(number) || !IsSymbol(Peek(ahead), u")")) return false;
        at_ += ahead + 1;
        TypeNumber(*number, true);
        return true;
    }

    // A currency directly before or after a number is dropped.
    bool ReadCurrency() {
        if (Peek() == nullptr || Peek()->Is != Kind::Currency) return false;
        const bool before = IsNumber(Peek(1)) || (IsSymbol(Peek(1), kMinusSigns) && IsNumber(Peek(2)));
        const bool after = at_ > 0 && (tokens_[at_ - 1].Is == Kind::Number || IsSymbol(&tokens_[at_ - 1], u")"));
        if (!before && !after) return false;
        ++at_;
        return true;
    }

    // A key character standing alone: an operator, "=", "%", a letter shortcut.
    bool ReadKey() {
        const Token* token = Peek();
        if ((token->Is != Kind::Symbol && token->Is != Kind::Word) || token->Text.size() != 1) return false;
        const auto shortcut = KeyPressShortcut(token->Text.front().unicode(), mode_, notation_);
        if (!shortcut || !shortcut->Index) return false;
        // A key the mode disables would press nothing, and join the digits around it.
        if (mode_ != kNumberMode && kKeyTable.at(std::size_t(*shortcut->Index)).NumberOnly) return false;
        ++at_;
        Press(*shortcut->Index);
        return true;
    }

    // Numbers joined by the mode's separators ("11/05/2000", "11.05.2000", "14:30:00"), as typed;
    // in Time mode with AM/PM or the French "h" after them.
    bool ReadFields() {
        if (!IsNumber(Peek())) return false;
        const std::u16string_view separators = mode_ == kDateMode ? u"/." : u":.";
        QStringList fields{Peek()->Text};
        bool slashes = true;
        std::size_t ahead = 1;
        for (; IsSymbol(Peek(ahead), separators) && Joined(Peek(ahead)) && IsNumber(Peek(ahead + 1)) &&
               Joined(Peek(ahead + 1));
             ahead += 2) {
            slashes = slashes && Peek(ahead)->Text == u"/";
            fields << Peek(ahead + 1)->Text;
        }
        at_ += ahead;
        // A fourth field is no part of a date or time: "10:30:15.250" has a fraction of a second.
        if (fields.size() > 3) refused_ = true;
        if (mode_ == kDateMode && slashes) fields = DayFirst(fields);
        if (mode_ == kTimeMode) fields = TwentyFourHour(fields);
        if (fields.isEmpty()) refused_ = true;
        TypeFields(fields);
        return true;
    }

    // Where short dates are written month first, a date that reads either way is refused
    // (5/11/2000), one that reads only month first is turned round (5/13/2000).
    QStringList DayFirst(const QStringList& fields) const {
        if (!notation_.MonthFirst || fields.size() != 3 || fields[2].size() < 3) return fields;
        const int first = fields[0].toInt(), second = fields[1].toInt();
        if (first > 12 || first == second) return fields;
        if (second <= 12) return {};
        return {fields[1], fields[0], fields[2]};
    }

    // "10:30 PM", "22h30", "22 h 30"; an hour outside 1 to 12 with AM or PM is refused.
    QStringList TwentyFourHour(QStringList fields) {
        const bool am = IsWord(Peek(), notation_.AmTexts), pm = IsWord(Peek(), notation_.PmTexts);
        if (fields.size() == 1 && IsWord(Peek(), {QStringLiteral("h")})) {
            ++at_;
            fields << (IsNumber(Peek(), 1, 2) ? tokens_[at_++].Text : QStringLiteral("00"));
            return fields;
        }
        if (!am && !pm) return fields;
        ++at_;
        const int hour = fields[0].toInt();
        if (hour < 1 || hour > 12) return {};
        fields[0] = TwoDigits(hour % 12 + (pm ? 12 : 0));
        if (fields.size() == 1) fields << QStringLiteral("00");
        return fields;
    }

    // "12-05-2003": day first, like the pad.
    bool ReadDashDate() {
        if (!DashedAhead(false)) return false;
        at_ += 5;
        TypeFields({tokens_[at_ - 5].Text, tokens_[at_ - 3].Text, tokens_[at_ - 1].Text});
        return true;
    }

    // Three numbers joined by "-": a day or month of one or two digits on either side of the
    // middle one, the year of three or four digits last, or of four first.
    bool DashedAhead(bool yearFirst) const {
        const auto year = [&](std::size_t ahead) { return IsNumber(Peek(ahead), yearFirst ? 4 : 3, 4); };
        const auto dayOrMonth = [&](std::size_t ahead) { return IsNumber(Peek(ahead), 1, 2); };
        const bool ends = yearFirst ? year(0) && dayOrMonth(4) : dayOrMonth(0) && year(4);
        return ends && dayOrMonth(2) && IsSymbol(Peek(1), u"-") && IsSymbol(Peek(3), u"-") && AllJoined(1, 4);
    }

    bool AllJoined(std::size_t from, std::size_t to) const {
        for (std::size_t i = from; i <= to; ++i) {
            if (!Joined(Peek(i))) return false;
        }
        return true;
    }

    // "2003-05-12", "2003-05-12T10:00:00", "2003-05-12 10:00": its date in Date mode, its time in
    // Time mode.
    bool ReadIsoDate() {
        if (!DashedAhead(true)) return false;
        const QStringList date{Peek(4)->Text, Peek(2)->Text, Peek()->Text};
        at_ += 5;
        const QStringList time = TakeIsoTime();
        if (mode_ == kTimeMode && time.isEmpty()) refused_ = true;
        TypeFields(mode_ == kDateMode ? date : time);
        return true;
    }

    // The time after an ISO date, empty for none. A fraction of a second, and a zone or offset,
    // the pad cannot hold: they refuse the paste.
    QStringList TakeIsoTime() {
        const bool afterT =
            IsWord(Peek(), {QStringLiteral("t")}) && Joined(Peek()) && IsNumber(Peek(1)) && Joined(Peek(1));
        if (!afterT && !(IsNumber(Peek()) && IsSymbol(Peek(1), u":"))) return {};
        at_ += afterT ? 1 : 0;
        QStringList time{tokens_[at_++].Text};
        for (; IsSymbol(Peek(), u":.") && Joined(Peek()) && IsNumber(Peek(1)) && Joined(Peek(1)); at_ += 2) {
            if (Peek()->Text == u"." || time.size() == 3) refused_ = true;
            time << Peek(1)->Text;
        }
        const bool zone = Joined(Peek()) && (IsWord(Peek(), {QStringLiteral("z")}) ||
                                             (IsSymbol(Peek(), u"+-\u2212") && IsNumber(Peek(1))));
        if (zone) refused_ = true;
        return time;
    }

    // "12 May 2003", "May 12, 2003", "Monday, 12 May 2003", "12. Mai 2003", "lundi 12 mai 2003":
    // typed day first; a weekday that does not fit the date refuses it.
    bool ReadNamedDate() {
        const std::size_t start = at_;
        const int weekday = NameIndex(notation_.WeekdayNames, Peek());
        if (weekday >= 0) {
            ++at_;
            Skip(u".");
            Skip(u",");
        }
        QString day;
        int month = TakeMonth();
        if (month >= 0) {
            day = TakeNumber(2);
            Skip(u",");
        } else {
            day = TakeNumber(2);
            Skip(u".");
            month = TakeMonth();
        }
        const QString year = TakeNumber(4);
        if (month < 0 || day.isEmpty() || year.isEmpty()) {
            at_ = start;
            return false;
        }
        const QDate date(year.toInt(), month, day.toInt());
        if (weekday >= 0 && (!date.isValid() || date.dayOfWeek() != weekday + 1)) refused_ = true;
        TypeFields({day, TwoDigits(month), year});
        return true;
    }

    // 1 to 12, or -1 when no month name is next; a "." after an abbreviated name goes with it.
    int TakeMonth() {
        const int month = NameIndex(notation_.MonthNames, Peek());
        if (month < 0) return -1;
        ++at_;
        Skip(u".");
        return month + 1;
    }

    QString TakeNumber(qsizetype maxDigits) { return IsNumber(Peek(), 1, maxDigits) ? tokens_[at_++].Text : QString(); }

    void Skip(std::u16string_view symbol) { at_ += IsSymbol(Peek(), symbol); }

    std::vector<Token> tokens_;
    std::string_view mode_;
    const Notation& notation_;
    std::size_t at_ = 0;
    bool refused_ = false;
    bool afterValue_ = false;
    std::vector<ButtonIndex> keys_;
};

}  // namespace

std::optional<std::vector<ButtonIndex>> PastedKeys(QStringView text, std::string_view mode, const Notation& notation) {
    auto tokens = Lexer(text.trimmed(), mode, notation).Tokens();
    if (!tokens) return std::nullopt;
    return PasteReader(std::move(*tokens), mode, notation).Keys();
}
