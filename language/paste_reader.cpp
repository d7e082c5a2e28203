#include "paste_reader.h"

#include "paste_text.h"
#include "paste_values.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct OperatorRow {
    char16_t Text;
    std::string_view Mode;  // empty: every mode
    ButtonIndex Index;
};
// "x" only between two values, where it can be no word.
constexpr std::array<OperatorRow, 7> kOperators{{
    {u'+', {}, kAdd},
    {u'-', {}, kSubtract},
    {u'*', {}, kMultiply},
    {u'x', {}, kMultiply},
    {u'/', kNumberMode, kDivide},
    {u'\u00f7', kNumberMode, kDivide},
    {u'=', {}, kEquals},
}};

// The letter keys, and "%", when one is the whole paste.
constexpr std::u16string_view kLoneKeys = u"sprx%";

class PasteReader {
public:
    PasteReader(QString text, std::string_view mode, const Notation& notation, Awaited awaited)
        : text_(std::move(text)), mode_(mode), notation_(notation), expected_(awaited) {}

    std::optional<std::vector<ButtonIndex>> Keys() {
        if (text_.size() == 1 && kLoneKeys.find(text_[0].unicode()) != std::u16string_view::npos) return LoneKey();
        while (true) {
            while (At() == u' ') ++at_;
            if (at_ == text_.size()) break;
            if (!(At() == u'\n' ? ReadLineBreak() : ReadValueOrOperator())) return std::nullopt;
        }
        if (last_ == Last::Operator) return std::nullopt;
        return keys_;
    }

private:
    enum class Last { Start, Operator, Value, Equals };

    QChar At(qsizetype i) const { return i >= 0 && i < text_.size() ? text_[i] : QChar(); }
    QChar At() const { return At(at_); }

    std::optional<std::vector<ButtonIndex>> LoneKey() {
        const auto shortcut = KeyPressShortcut(text_[0].unicode(), mode_, notation_.DecimalPoint);
        if (!shortcut || !shortcut->Index || (mode_ != kNumberMode && *shortcut->Index != kMultiply)) {
            return std::nullopt;
        }
        return std::vector<ButtonIndex>{*shortcut->Index};
    }

    // A line break after a value is Enter, unless an "=" follows; around the lines' ends it is
    // nothing.
    bool ReadLineBreak() {
        ++at_;
        if (last_ == Last::Operator) return false;
        qsizetype next = at_;
        while (At(next) == u' ' || At(next) == u'\n') ++next;
        if (last_ == Last::Value && At(next) != u'=') PressEquals();
        return true;
    }

    bool ReadValueOrOperator() {
        // A minus joined to digits is a sign, but between two values written without blanks.
        const bool operatorFirst = last_ == Last::Value && At(at_ - 1) != u' ';
        // Dates, times and periods have no sign: "-1 Years" is no period to subtract.
        if (mode_ != kNumberMode && At() == u'-' && IsDigit(At(at_ + 1))) return false;
        if (!operatorFirst || mode_ != kNumberMode) {
            if (const auto read = mode_ == kNumberMode ? ReadAmount() : ReadMoment()) return *read;
        }
        return ReadOperator();
    }

    // No value when there is none here; else whether it is read.
    std::optional<bool> ReadAmount() {
        if (DateShaped(text_, at_)) return false;
        const Reading<Amount> reading = ::ReadAmount(text_, at_, notation_);
        if (!reading.Found()) return std::nullopt;
        if (!reading.Value || last_ == Last::Value) return false;
        at_ = reading.End;
        const Amount& amount = *reading.Value;
        if (!amount.Percent) return Type(amount.Plain, amount.Negative);
        // 200 + 10 % is 220 on the pad as in the text; 50 × 10 % is no sum the pad can make.
        if (last_ == Last::Operator && (operator_ == kAdd || operator_ == kSubtract)) {
            return Type(amount.Plain, amount.Negative) && Press(kPercent);
        }
        if (last_ == Last::Operator) return false;
        return Type(Hundredth(amount.Plain), amount.Negative);
    }

    // "12.5" as "0.125".
    static QString Hundredth(QString plain) {
        if (!plain.contains(u'.')) plain += u'.';
        plain.prepend(QStringLiteral("00"));
        const qsizetype point = plain.indexOf(u'.');
        plain.remove(point, 1);
        plain.insert(point - 2, u'.');
        while (plain.startsWith(u'0') && plain[1] != u'.') plain.remove(0, 1);
        return plain;
    }

    // A date or time where one is expected, a period after Add or Sub.
    std::optional<bool> ReadMoment() {
        if (last_ == Last::Value) return IsDigit(At()) ? std::optional{false} : std::nullopt;
        if (expected_ == Awaited::Period) return ReadPeriod();
        const Reading<Moment> iso = ReadIsoMoment(text_, at_);
        if (iso.Found()) {
            at_ = iso.End;
            if (!iso.Value || (mode_ == kTimeMode && !iso.Value->Time)) return false;
            return mode_ == kDateMode ? TypeDate(iso.Value->Date) : TypeTime(*iso.Value->Time);
        }
        if (mode_ == kDateMode) {
            const Reading<QDate> date = ReadDate(text_, at_, notation_);
            if (!date.Found()) return IsDigit(At()) ? std::optional{false} : std::nullopt;
            at_ = date.End;
            return date.Value && TypeDate(*date.Value);
        }
        const Reading<Clock> time = ReadTime(text_, at_, notation_);
        if (!time.Found()) return IsDigit(At()) ? std::optional{false} : std::nullopt;
        at_ = time.End;
        return time.Value && TypeTime(*time.Value);
    }

    // A date is no period; in Time mode, a time after a time and a dash is the end of a range.
    std::optional<bool> ReadPeriod() {
        const bool range = mode_ == kTimeMode && pointRead_ && operator_ == kSubtract;
        if ((mode_ == kDateMode && ReadDate(text_, at_, notation_).Found()) ||
            (range && ReadTime(text_, at_, notation_).Found())) {
            return false;
        }
        const Reading<QString> period = ::ReadPeriod(text_, at_, mode_, notation_);
        if (!period.Found()) return std::nullopt;
        at_ = period.End;
        return period.Value && Type(*period.Value, false);
    }

    bool ReadOperator() {
        const QChar c = At();
        const auto* row = std::ranges::find_if(
            kOperators, [&](const OperatorRow& r) { return r.Text == c && (r.Mode.empty() || r.Mode == mode_); });
        if (row == kOperators.end()) return false;
        ++at_;
        if (row->Index == kEquals) {
            if (last_ == Last::Operator) return false;
            PressEquals();
            return true;
        }
        if (c == u'x' && (last_ != Last::Value || At().isLetter())) return false;
        // "۱۲/۵": where "/" is the writers' decimal mark, it is no division between digits.
        if (c == u'/' && notation_.SlashMayBeDecimal && IsDigit(At(at_ - 2)) && IsDigit(At())) return false;
        return PressOperator(row->Index);
    }

    bool PressOperator(ButtonIndex index) {
        if (last_ == Last::Operator || differenceShown_) return false;
        if (mode_ == kNumberMode) {
            const bool multiplies = index == kMultiply || index == kDivide;
            if (multiplies && sumPending_) return false;
            sumPending_ = sumPending_ || !multiplies;
        } else {
            // A period, or the second date of a difference, is computed before the next step:
            // the pad's operator keys would read it as a date.
            if (operator_ == kMultiply && last_ == Last::Value) return false;
            if (expected_ == Awaited::Period && last_ == Last::Value) PressEquals();
            expected_ = index == kMultiply ? Awaited::Value : Awaited::Period;
        }
        operator_ = index;
        Press(index);
        last_ = Last::Operator;
        return true;
    }

    void PressEquals() {
        // A difference is no date to go on from.
        differenceShown_ = mode_ != kNumberMode && operator_ == kMultiply && last_ == Last::Value && pointRead_;
        Press(kEquals);
        last_ = Last::Equals;
        sumPending_ = false;
        expected_ = Awaited::Value;
    }

    bool Press(ButtonIndex index) {
        keys_.push_back(index);
        return true;
    }

    // Digits and ".", or the fields of a date or time joined by the mode's separator; a value
    // that starts the paste starts a new entry.
    bool Type(const QString& plain, bool negative) {
        if (last_ == Last::Start) Press(kClearEntry);
        std::ranges::transform(plain, std::back_inserter(keys_),
                               [](QChar c) { return c.isDigit() ? DigitIndex(c.digitValue()) : kPoint; });
        if (negative) Press(kChangeSign);
        last_ = Last::Value;
        return true;
    }
    bool TypeDate(QDate date) {
        pointRead_ = true;
        return Type(date.toString(QStringLiteral("dd.MM.yyyy")), false);
    }
    bool TypeTime(const Clock& clock) {
        pointRead_ = true;
        return Type(clock.Time.toString(clock.Seconds ? QStringLiteral("HH.mm.ss") : QStringLiteral("HH.mm")), false);
    }

    QString text_;
    std::string_view mode_;
    const Notation& notation_;
    Awaited expected_;
    qsizetype at_ = 0;
    Last last_ = Last::Start;
    ButtonIndex operator_ = kEquals;  // the last operator pressed
    bool sumPending_ = false;         // a + or − since the last "="
    bool pointRead_ = false;          // a date or time read in this paste
    bool differenceShown_ = false;
    std::vector<ButtonIndex> keys_;
};

}  // namespace

std::optional<std::vector<ButtonIndex>> PastedKeys(QStringView text, std::string_view mode, const Notation& notation,
                                                   Awaited awaited) {
    auto canonical = CanonicalText(text);
    if (!canonical) return std::nullopt;
    // Blanks and line breaks around the text are nothing (the only white space left in it).
    return PasteReader(canonical->trimmed(), mode, notation, awaited).Keys();
}
