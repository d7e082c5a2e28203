#include "key_map.h"

#include <QtCore/qnamespace.h>
#include <QChar>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace {

constexpr ButtonIndex kChangeSign = 19;
// The decimal point, or the date or time separator, by mode.
constexpr ButtonIndex kPoint = 20;
constexpr ButtonIndex kEquals = 22;

struct KeyCodeRow {
    int Key;
    std::string_view Mode;  // empty: every mode
    ButtonIndex Index;
};

inline constexpr std::array<KeyCodeRow, 5> kAnyKeyRows{{
    {Qt::Key_Backspace, {}, 0},
    {Qt::Key_Delete, {}, 1},
    {Qt::Key_Escape, {}, 2},
    // A focused push button ignores Enter, so the key would otherwise do nothing.
    {Qt::Key_Return, {}, kEquals},
    {Qt::Key_Enter, {}, kEquals},
}};

// By digit 0..9.
inline constexpr std::array<ButtonIndex, 10> kDigitIndexes{18, 13, 14, 15, 8, 9, 10, 3, 4, 5};

inline constexpr std::array<KeyCodeRow, 7> kKeypadRows{{
    {Qt::Key_Plus, {}, 21},
    {Qt::Key_Minus, {}, 16},
    {Qt::Key_Asterisk, {}, 11},
    // Divide is off in Date mode, and the keypad has no other key for the date separator.
    {Qt::Key_Slash, kDateMode, kPoint},
    {Qt::Key_Slash, {}, 6},
    {Qt::Key_Period, {}, kPoint},
    {Qt::Key_Comma, {}, kPoint},  // the keypad's decimal key on layouts with a decimal comma
}};

struct CharacterRow {
    char16_t Typed;
    std::string_view Mode;  // empty: every mode
    ButtonIndex Index;
};

inline constexpr std::array<CharacterRow, 16> kCharacterRows{{
    {u'S', {}, 7},
    {u's', {}, 7},
    {u'P', {}, 12},
    {u'p', {}, 12},
    {u'R', {}, 17},
    {u'r', {}, 17},
    {u'X', {}, 11},
    {u'x', {}, 11},
    {u'=', {}, kEquals},
    // For keyboards without a keypad, and so that dates and times type as they are written,
    // 11.05.2000 and 14.30.00 included.
    {u'+', {}, 21},
    {u'-', {}, 16},
    {u'*', {}, 11},
    {u'/', kNumberMode, 6},
    {u'/', kDateMode, kPoint},
    {u'.', {}, kPoint},
    {u':', kTimeMode, kPoint},
}};

constexpr bool IsPrintable(char16_t typed) { return typed >= u' ' && typed != u'\x7f'; }
constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
constexpr bool InMode(std::string_view rowMode, std::string_view mode) { return rowMode.empty() || rowMode == mode; }

template <std::size_t N>
std::optional<ButtonIndex> IndexOfKey(const std::array<KeyCodeRow, N>& rows, int key, std::string_view mode) {
    const auto row =
        std::ranges::find_if(rows, [&](const KeyCodeRow& r) { return r.Key == key && InMode(r.Mode, mode); });
    return row != rows.end() ? std::optional{row->Index} : std::nullopt;
}

ButtonIndex DigitIndex(char16_t digit) { return kDigitIndexes[static_cast<std::size_t>(digit - u'0')]; }

}  // namespace

Notation NotationOf(const QLocale& locale) {
    const QString point = locale.decimalPoint(), group = locale.groupSeparator();
    return {point.isEmpty() ? u'.' : point.front().unicode(), group.isEmpty() ? u'\0' : group.front().unicode()};
}

std::optional<ButtonIndex> KeyDownIndex(int key, bool keypad, char16_t typed, std::string_view mode) {
    if (const auto index = IndexOfKey(kAnyKeyRows, key, mode)) return index;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        // A layout that types another character with this key and Shift ("*" on Shift+8) meant
        // that character; the character table decides.
        if (IsPrintable(typed) && typed != u'0' + digit) return std::nullopt;
        return kDigitIndexes[static_cast<std::size_t>(digit)];
    }
    return keypad ? IndexOfKey(kKeypadRows, key, mode) : std::nullopt;
}

std::optional<Shortcut> KeyPressShortcut(char16_t typed, std::string_view mode, Notation notation) {
    if (IsDigit(typed)) return Shortcut{DigitIndex(typed)};
    if (mode == kNumberMode && typed == notation.DecimalPoint) return Shortcut{kPoint};
    // "1,000" typed where "," groups digits must neither become 1.000 nor pass unnoticed.
    if (mode == kNumberMode && typed == u',') return Shortcut{};
    const auto row = std::ranges::find_if(
        kCharacterRows, [&](const CharacterRow& r) { return r.Typed == typed && InMode(r.Mode, mode); });
    return row != kCharacterRows.end() ? std::optional{Shortcut{row->Index}} : std::nullopt;
}

namespace {

// Between groups of three digits these only group them, in any locale.
inline constexpr std::u16string_view kGroupingMarks = u" \u00a0\u202f'";
// Before a number, these leave its "-" a sign rather than the subtract key.
inline constexpr std::u16string_view kBeforeSign = u"+-*/=xX\r\n";
// The pad has no exponent key, so an "E" form is typed written out; this bounds its length.
constexpr int kLargestExponent = 400;

// Digit groups joined by single marks, each mark between two digits: "1.234,5" is the groups
// 1, 234, 5 with the marks ".,".
struct NumberRun {
    std::vector<QStringView> Groups;
    std::u16string Marks;
};

// Which mark is the decimal point: its position in the marks, npos for none, no value when the
// marks leave it ambiguous.
std::optional<std::size_t> DecimalMark(std::u16string_view marks, Notation notation) {
    const std::size_t lastDot = marks.rfind(u'.'), lastComma = marks.rfind(u',');
    const auto count = [&](char16_t mark) { return std::ranges::count(marks, mark); };
    constexpr std::size_t kNone = std::u16string_view::npos;
    if (lastDot != kNone && lastComma != kNone) return std::max(lastDot, lastComma);
    if (lastDot != kNone) {
        // A single "." is the display's own decimal point, in every locale.
        if (count(u'.') == 1) return lastDot;
        return notation.GroupSeparator == u'.' ? std::optional{kNone} : std::nullopt;
    }
    if (lastComma != kNone && notation.DecimalPoint == u',') {
        return count(u',') == 1 ? std::optional{lastComma} : std::nullopt;
    }
    return kNone;
}

// The number as the pad types it ("1234.5"), or no value when the marks are no valid grouping:
// one kind of mark, groups of three after a first group of one to three digits, the decimal
// point last.
std::optional<std::u16string> PlainNumber(const NumberRun& run, Notation notation) {
    const auto decimal = DecimalMark(run.Marks, notation);
    if (!decimal) return std::nullopt;
    const std::size_t groupingEnd = std::min(*decimal, run.Marks.size());
    if (groupingEnd + 1 < run.Marks.size()) return std::nullopt;
    if (groupingEnd > 0 && run.Groups.front().size() > 3) return std::nullopt;
    std::u16string plain(run.Groups.front().utf16(), static_cast<std::size_t>(run.Groups.front().size()));
    for (std::size_t i = 1; i < run.Groups.size(); ++i) {
        const QStringView group = run.Groups[i];
        if (i - 1 < groupingEnd && (run.Marks[i - 1] != run.Marks.front() || group.size() != 3)) return std::nullopt;
        if (i - 1 == groupingEnd) plain += u'.';
        plain.append(group.utf16(), static_cast<std::size_t>(group.size()));
    }
    return plain;
}

// "1.5" with the exponent -7 as "0.00000015".
std::u16string WrittenOut(std::u16string_view mantissa, int exponent) {
    std::u16string digits(mantissa);
    const std::size_t point = std::min(digits.find(u'.'), digits.size());
    if (point < digits.size()) digits.erase(point, 1);
    const std::ptrdiff_t shifted = static_cast<std::ptrdiff_t>(point) + exponent;
    if (shifted <= 0) return u"0." + std::u16string(static_cast<std::size_t>(-shifted), u'0') + digits;
    const auto whole = static_cast<std::size_t>(shifted);
    if (whole >= digits.size()) return digits + std::u16string(whole - digits.size(), u'0');
    return digits.insert(whole, 1, u'.');
}

class PasteReader {
public:
    PasteReader(QStringView text, std::string_view mode, Notation notation)
        : text_(text.trimmed()), mode_(mode), notation_(notation) {}

    std::optional<std::vector<ButtonIndex>> Keys() {
        while (at_ < text_.size() && !refused_) {
            if (!ReadLineBreak() && !ReadIsoDate() && !ReadNumber()) ReadCharacter();
        }
        return refused_ ? std::nullopt : std::optional{keys_};
    }

private:
    char16_t At(qsizetype i) const { return i >= 0 && i < text_.size() ? text_[i].unicode() : u'\0'; }
    bool IsGroupingMark(char16_t c) const {
        // The locale's own mark too ("’" in Switzerland), unless it is a "." or "," with rules of its own.
        const bool ownMark = c == notation_.GroupSeparator && c != u'.' && c != u',' && c != u'\0';
        return ownMark || kGroupingMarks.find(c) != std::u16string_view::npos;
    }
    bool IsNumberMark(char16_t c) const { return c == u'.' || c == u',' || IsGroupingMark(c); }

    qsizetype DigitsEnd(qsizetype i) const {
        while (IsDigit(At(i))) ++i;
        return i;
    }

    // Digits and "." only.
    void Type(QStringView plain) {
        std::ranges::transform(plain, std::back_inserter(keys_),
                               [](QChar c) { return c == u'.' ? kPoint : DigitIndex(c.unicode()); });
    }

    bool ReadLineBreak() {
        const char16_t c = At(at_);
        if (c != u'\r' && c != u'\n') return false;
        at_ += c == u'\r' && At(at_ + 1) == u'\n' ? 2 : 1;
        keys_.push_back(kEquals);
        return true;
    }

    // Date mode: yyyy-mm-dd, typed day first.
    bool ReadIsoDate() {
        if (mode_ != kDateMode || IsDigit(At(at_ - 1))) return false;
        const qsizetype yearEnd = DigitsEnd(at_);
        const qsizetype monthEnd = DigitsEnd(yearEnd + 1);
        const qsizetype dayEnd = DigitsEnd(monthEnd + 1);
        const auto fits = [](qsizetype length) { return length >= 1 && length <= 2; };
        if (yearEnd - at_ != 4 || At(yearEnd) != u'-' || At(monthEnd) != u'-' || !fits(monthEnd - yearEnd - 1) ||
            !fits(dayEnd - monthEnd - 1)) {
            return false;
        }
        Type(text_.sliced(monthEnd + 1, dayEnd - monthEnd - 1));
        keys_.push_back(kPoint);
        Type(text_.sliced(yearEnd + 1, monthEnd - yearEnd - 1));
        keys_.push_back(kPoint);
        Type(text_.sliced(at_, yearEnd - at_));
        at_ = dayEnd;
        return true;
    }

    // Number mode: a number with its grouping, decimal point, exponent and sign.
    bool ReadNumber() {
        const bool signed_ = At(at_) == u'-' && IsDigit(At(at_ + 1)) && SignMayFollow(at_);
        const qsizetype start = signed_ ? at_ + 1 : at_;
        if (mode_ != kNumberMode || !IsDigit(At(start))) return false;
        NumberRun run;
        qsizetype end = start;
        while (true) {
            const qsizetype groupEnd = DigitsEnd(end);
            run.Groups.push_back(text_.sliced(end, groupEnd - end));
            end = groupEnd;
            if (!IsNumberMark(At(end)) || !IsDigit(At(end + 1))) break;
            run.Marks.push_back(At(end));
            ++end;
        }
        auto plain = PlainNumber(run, notation_);
        if (plain && (run.Marks.empty() || run.Marks == u".")) plain = ReadExponent(*plain, end);
        if (!plain) {
            refused_ = true;
            return true;
        }
        Type(*plain);
        if (signed_) keys_.push_back(kChangeSign);
        at_ = end;
        return true;
    }

    // The display's "1.5E-07": no value when the exponent is too large to write out.
    std::optional<std::u16string> ReadExponent(const std::u16string& mantissa, qsizetype& end) const {
        const char16_t sign = At(end + 1);
        const qsizetype digits = sign == u'+' || sign == u'-' ? end + 2 : end + 1;
        if ((At(end) != u'e' && At(end) != u'E') || !IsDigit(At(digits))) return mantissa;
        int exponent = 0;
        qsizetype i = digits;
        for (; IsDigit(At(i)); ++i) {
            exponent = std::min(exponent * 10 + (At(i) - u'0'), kLargestExponent + 1);
        }
        if (exponent > kLargestExponent) return std::nullopt;
        end = i;
        return WrittenOut(mantissa, sign == u'-' ? -exponent : exponent);
    }

    bool SignMayFollow(qsizetype i) const {
        while (i > 0 && At(i - 1) == u' ') --i;
        return i == 0 || kBeforeSign.find(At(i - 1)) != std::u16string_view::npos;
    }

    void ReadCharacter() {
        const char16_t c = At(at_);
        const QChar before(At(at_ - 1)), after(At(at_ + 1));
        ++at_;
        // Digits apart are two numbers, or one typed with a mistake: never joined silently.
        if (IsGroupingMark(c) && IsDigit(before.unicode()) && IsDigit(after.unicode())) {
            refused_ = true;
            return;
        }
        // Inside a word ("ERROR", "sqrt") a letter is text, not a shortcut.
        if (QChar(c).isLetter() && (before.isLetter() || after.isLetter())) return;
        const auto shortcut = KeyPressShortcut(c, mode_, notation_);
        if (!shortcut) return;
        if (shortcut->Index) {
            keys_.push_back(*shortcut->Index);
        } else {
            refused_ = true;
        }
    }

    QStringView text_;
    std::string_view mode_;
    Notation notation_;
    qsizetype at_ = 0;
    bool refused_ = false;
    std::vector<ButtonIndex> keys_;
};

}  // namespace

std::optional<std::vector<ButtonIndex>> PastedKeys(QStringView text, std::string_view mode, Notation notation) {
    return PasteReader(text, mode, notation).Keys();
}
