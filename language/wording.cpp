#include "wording.h"

#include "help_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// The captions that are words or abbreviations; the other keys show digits and signs, the same
// in every language, and the engine knows every key by its English caption.
constexpr std::array<std::string_view, 8> kWordCaptions{
    //: Key: deletes the last character typed (the wide key at the top left).
    QT_TRANSLATE_NOOP("Key", "Backspace"),
    //: Key: Clear Entry, clears what is being typed. Most calculators keep "CE".
    QT_TRANSLATE_NOOP("Key", "CE"),
    //: Key: Clear, clears the whole calculation. Most calculators keep "C".
    QT_TRANSLATE_NOOP("Key", "C"),
    //: Key: square root, on a key 61 pixels wide.
    QT_TRANSLATE_NOOP("Key", "sqrt"),
    //: Key: reciprocal, 1 divided by the entry.
    QT_TRANSLATE_NOOP("Key", "1/x"),
    //: Key in Date and Time mode: the difference of two dates or times. At most 4 or 5 letters.
    QT_TRANSLATE_NOOP("Key", "Dif"),
    //: Key in Date and Time mode: subtract a period from a date or time (not the number operator).
    //: At most 4 or 5 letters.
    QT_TRANSLATE_NOOP("Key", "Sub"),
    //: Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.
    QT_TRANSLATE_NOOP("Key", "Add"),
};
static_assert(std::ranges::all_of(kWordCaptions, [](std::string_view caption) {
    return std::ranges::any_of(kKeyTable, [&](const KeyRow& row) {
        return row.Number == caption || row.Date == caption || row.Time == caption;
    });
}));

// The fixed English texts the engine shows; any other display text is digits and signs.
constexpr std::array<std::string_view, 3> kDisplayMessages{
    //: The display after an arithmetic error, such as a division by zero. At most about 20 letters.
    QT_TRANSLATE_NOOP("Display", "ERROR"),
    //: The display after a date that is not one. At most about 28 letters.
    QT_TRANSLATE_NOOP("Display", "Error! Wrong Date format"),
    //: The display after a time that is not one. At most about 28 letters.
    QT_TRANSLATE_NOOP("Display", "Error! Wrong Time format"),
};

constexpr QChar kFirstStrongIsolate{0x2068};
constexpr QChar kPopDirectionalIsolate{0x2069};

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Difference(const char* large, const char* middle, const char* small, std::int64_t largeCount,
                   std::int64_t middleCount, std::int64_t smallCount) {
    const auto piece = [](const char* unit, std::int64_t count) {
        const QString text = QCoreApplication::translate("Display", unit, nullptr, static_cast<int>(count));
        const QString digits = QString::number(count);
        return QString(text).replace(digits, Isolated(digits, text));
    };
    //: A difference on the display, "11 Years: 4 Months: 28 Days": %1 to %3 are the three counts
    //: with their units, largest first.
    return QCoreApplication::translate("Display", "%1: %2: %3")
        .arg(piece(large, largeCount), piece(middle, middleCount), piece(small, smallCount));
}

QString HelpLineText(const HelpLine& line) {
    const auto [large, middle, small] = line.Counts;
    switch (line.Wording) {
        case HelpWording::Message:
            return Translated("HelpText", line.English);
        case HelpWording::Caption:
            return KeyCaption(line.English);
        case HelpWording::DateDifference:
            return DateDifferenceText(large, middle, small);
        case HelpWording::TimeDifference:
            return TimeDifferenceText(large, middle, small);
        case HelpWording::Fixed:
            break;
    }
    return FromView(line.English);
}

bool IsDifference(const DisplayFacts& facts) {
    return std::holds_alternative<DateDifferenceFacts>(facts) || std::holds_alternative<TimeDifferenceFacts>(facts);
}

bool IsDigit(std::string_view caption) {
    return caption.size() == 1 && std::isdigit(static_cast<unsigned char>(caption.front()));
}

}  // namespace

QString Translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, text.data());
}

QString KeyCaption(std::string_view caption) {
    return std::ranges::find(kWordCaptions, caption) != kWordCaptions.end() ? Translated("Key", caption)
                                                                            : FromView(caption);
}

QString DateDifferenceText(std::int64_t years, std::int64_t months, std::int64_t days) {
    //: Part of a difference on the display, plain digits; English keeps "1 Years" (a fixed form).
    return Difference(QT_TRANSLATE_N_NOOP("Display", "%n Years"), QT_TRANSLATE_N_NOOP("Display", "%n Months"),
                      QT_TRANSLATE_N_NOOP("Display", "%n Days"), years, months, days);
}

QString TimeDifferenceText(std::int64_t hours, std::int64_t minutes, std::int64_t seconds) {
    return Difference(QT_TRANSLATE_N_NOOP("Display", "%n Hours"), QT_TRANSLATE_N_NOOP("Display", "%n Minutes"),
                      QT_TRANSLATE_N_NOOP("Display", "%n Seconds"), hours, minutes, seconds);
}

QString DisplayText(const PressResult& result) {
    if (const auto* date = std::get_if<DateDifferenceFacts>(&result.Facts)) {
        return DateDifferenceText(date->Years, date->Months, date->Days);
    }
    if (const auto* time = std::get_if<TimeDifferenceFacts>(&result.Facts)) {
        return TimeDifferenceText(time->Hours, time->Minutes, time->Seconds) + QLatin1Char(' ');
    }
    const auto message = std::ranges::find(kDisplayMessages, result.DisplayText);
    return message != kDisplayMessages.end() ? Translated("Display", *message)
                                             : QString::fromStdString(result.DisplayText);
}

QString HelpText(std::string_view mode) {
    QStringList lines;
    for (const HelpLine& line : HelpLinesOf(mode)) lines << HelpLineText(line);
    return lines.join(QLatin1Char('\r'));
}

QString Isolated(const QString& inserted, const QString& sentence) {
    if (!sentence.isRightToLeft()) return inserted;
    return kFirstStrongIsolate + inserted + kPopDirectionalIsolate;
}

QString WithoutLastCharacter(QString text) {
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == kPopDirectionalIsolate || text[end - 1] == kFirstStrongIsolate)) --end;
    if (end > 0) {
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
        characters.setPosition(end);
        const qsizetype start = characters.toPreviousBoundary();
        text.remove(start, end - start);
    }
    // An isolate left empty.
    return text.remove(QString(kFirstStrongIsolate) + kPopDirectionalIsolate);
}

QString DisplayWording::Shown(const PressResult& result, std::string_view caption) {
    const std::string& text = result.DisplayText;
    if (IsDifference(result.Facts)) {
        edited_ = text;
        shown_ = DisplayText(result);
        return shown_;
    }
    // A digit starts a fresh entry after a result; an entry emptied shows empty in any language.
    const bool editing = !edited_.empty() && !text.empty() && !IsDigit(caption);
    if (editing && caption == "Backspace" && text.size() + 1 == edited_.size() && edited_.starts_with(text)) {
        shown_ = WithoutLastCharacter(shown_);
    } else if (editing && text.starts_with(edited_)) {
        // Unchanged (Backspace on a value of 0, +/- on a date), or with a separator added.
        shown_ += QString::fromStdString(text.substr(edited_.size()));
    } else {
        edited_.clear();
        shown_.clear();
        return DisplayText(result);
    }
    edited_ = text;
    return shown_;
}
