#include "notation.h"

#include "paste_text.h"
#include "written_forms.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

// The forms people write whatever their locale's, in QLocale's pattern letters: numbers day
// first with any of three marks, the year first, names in either order; where the locale writes
// the month first, that too, so that a date that reads both ways is refused.
constexpr std::array<const char*, 10> kWrittenDates{
    "d/M/yyyy", "d.M.yyyy",          "d-M-yyyy",           "yyyy-M-d",    "yyyy/M/d",
    "yyyy.M.d", "dddd, d MMMM yyyy", "dddd, MMMM d, yyyy", "d-MMMM-yyyy", "d. MMMM yyyy"};
constexpr std::array<const char*, 2> kMonthFirstDates{"M/d/yyyy", "M-d-yyyy"};
// 12-hour times with the day half after or before ("午後3:30"), "9 am", dotted ones, "22h30" and "7h".
constexpr std::array<const char*, 6> kWrittenTimes{"h:mm:ss AP", "AP h:mm:ss", "h AP", "H.mm.ss", "H 'h' mm", "H 'h'"};

//: A word written after a time of day, as in "15.30 Uhr": one word, the time left out.
constexpr const char* kClockWord = QT_TRANSLATE_NOOP("Paste", "o'clock");

// The units of a period as the translations word them for the facts and the display.
struct UnitMessage {
    const char* Context;
    const char* Text;
    PeriodUnit Unit;
};
constexpr std::array<UnitMessage, 13> kUnitMessages{{
    {"FactsText", "%Ln year(s)", PeriodUnit::Years},
    {"FactsText", "%Ln month(s)", PeriodUnit::Months},
    {"FactsText", "%Ln week(s)", PeriodUnit::Weeks},
    {"FactsText", "%Ln day(s)", PeriodUnit::Days},
    {"FactsText", "%Ln hour(s)", PeriodUnit::Hours},
    {"FactsText", "%Ln minute(s)", PeriodUnit::Minutes},
    {"FactsText", "%Ln second(s)", PeriodUnit::Seconds},
    {"Display", "%n Years", PeriodUnit::Years},
    {"Display", "%n Months", PeriodUnit::Months},
    {"Display", "%n Days", PeriodUnit::Days},
    {"Display", "%n Hours", PeriodUnit::Hours},
    {"Display", "%n Minutes", PeriodUnit::Minutes},
    {"Display", "%n Seconds", PeriodUnit::Seconds},
}};
// One count of each plural form of the languages Qt knows.
constexpr std::array<int, 9> kPluralCounts{0, 1, 2, 3, 5, 11, 21, 22, 101};

// A word of the locale's data as the readers compare it: without a trailing ".".
QString Folded(QStringView name) {
    QString word = CanonicalWord(name);
    while (word.endsWith(u'.')) word.chop(1);
    return word;
}

// An AM or PM text without its dots and blanks: "p. m." is "pm".
QString DayHalfKey(QStringView text) { return Folded(text).remove(u'.').remove(u' '); }

// Where the same word names two things, it names neither (0).
void AddName(QHash<QString, int>& names, const QString& name, int value) {
    if (name.isEmpty()) return;
    const auto known = names.constFind(name);
    names.insert(name, known == names.cend() || *known == value ? value : 0);
}

void AddNames(Notation& notation, const QLocale& locale) {
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int month = 1; month <= 12; ++month) {
            AddName(notation.Months, Folded(locale.monthName(month, format)), month);
            AddName(notation.Months, Folded(locale.standaloneMonthName(month, format)), month);
        }
        for (int day = 1; day <= 7; ++day) {
            AddName(notation.Weekdays, Folded(locale.dayName(day, format)), day);
            AddName(notation.Weekdays, Folded(locale.standaloneDayName(day, format)), day);
        }
    }
    notation.DayHalves.insert(DayHalfKey(locale.amText()), false);
    notation.DayHalves.insert(DayHalfKey(locale.pmText()), true);
}

// "pm" as "p[. ]*m\.?": the dots and blanks people put between the letters.
QString DayHalvesAlternation(const QHash<QString, bool>& halves) {
    QStringList spellings;
    for (auto half = halves.cbegin(); half != halves.cend(); ++half) {
        if (half.key().isEmpty()) continue;
        QStringList letters = Characters(half.key());
        for (QString& letter : letters) letter = QRegularExpression::escape(letter);
        spellings << letters.join(QStringLiteral("[. ]*")) + QStringLiteral("\\.?");
    }
    std::ranges::sort(spellings, [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return spellings.isEmpty() ? QStringLiteral("(?!)") : spellings.join(u'|');
}

QRegularExpression Compiled(const QString& expression) {
    QRegularExpression compiled(expression, QRegularExpression::UseUnicodePropertiesOption);
    return compiled;
}

QString ShortDatePattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    // A two-digit year is refused whatever the pattern says: the four-digit form is read.
    if (!pattern.contains(QStringLiteral("yyyy"))) pattern.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return pattern;
}

bool WritesMonthFirst(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype month = format.indexOf(u'M'), day = format.indexOf(u'd');
    return month >= 0 && day >= 0 && month < day;
}

void AddForms(Notation& notation, const QLocale& locale) {
    const QString names = DayHalvesAlternation(notation.DayHalves);
    const QLocale english(QLocale::English);
    QStringList dates{ShortDatePattern(locale), locale.dateFormat(QLocale::LongFormat),
                      english.dateFormat(QLocale::LongFormat)};
    for (const char* pattern : kWrittenDates) dates << QLatin1String(pattern);
    if (WritesMonthFirst(locale)) {
        for (const char* pattern : kMonthFirstDates) dates << QLatin1String(pattern);
    }
    QStringList times{locale.timeFormat(QLocale::ShortFormat), locale.timeFormat(QLocale::LongFormat),
                      english.timeFormat(QLocale::LongFormat)};
    for (const char* pattern : kWrittenTimes) times << QLatin1String(pattern);
    dates.removeDuplicates();
    times.removeDuplicates();
    // After the year, the word for it abbreviated as the language does ("2008 r.", "2008 г.").
    const QString yearWord = QStringLiteral("(?: *\\p{L}\\.(?![\\p{L}\\p{M}]))?");
    const QString clock = CanonicalWord(QCoreApplication::translate("Paste", kClockWord));
    const QString clockWord = QStringLiteral("(?: *%1(?![\\p{L}\\p{M}]))?").arg(QRegularExpression::escape(clock));
    for (const QString& pattern : dates)
        notation.DateForms.push_back(Compiled(FormExpression(pattern, names) + yearWord));
    for (const QString& pattern : times)
        notation.TimeForms.push_back(Compiled(FormExpression(pattern, names) + clockWord));
}

// Every symbol and code any locale gives a currency, but a lone Latin letter ("P", "R", "S"),
// which names a key; and the locale's own, with the last sign of its name where that is written
// without blanks ("円" of "日本円", "원" of "대한민국 원").
void AddCurrencies(Notation& notation, const QLocale& locale) {
    static const QStringList everyLocale = [] {
        QSet<QString> symbols;
        for (const QLocale& any :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (const auto format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
                const QString symbol = CanonicalWord(any.currencySymbol(format));
                if (symbol.size() > 1 || (symbol.size() == 1 && !(symbol[0] >= u'a' && symbol[0] <= u'z'))) {
                    symbols << symbol;
                }
            }
        }
        return QStringList(symbols.cbegin(), symbols.cend());
    }();
    notation.OwnCurrencySymbol = CanonicalWord(locale.currencySymbol());
    const QString name = CanonicalWord(locale.currencySymbol(QLocale::CurrencyDisplayName));
    QStringList symbols = everyLocale;
    symbols << notation.OwnCurrencySymbol << name;
    const QChar last = name.isEmpty() ? QChar() : name.back();
    if (last.script() == QChar::Script_Han || last.script() == QChar::Script_Hangul) symbols << QString(last);
    symbols.removeAll(QString());
    symbols.removeDuplicates();
    std::ranges::sort(symbols, [](const QString& a, const QString& b) { return a.size() > b.size(); });
    notation.CurrencySymbols = symbols;
    notation.CurrencyFirst = CanonicalWord(locale.toCurrencyString(1.0)).startsWith(notation.OwnCurrencySymbol);
}

// The words without the count: "%n Jahre" for 5 is "Jahre".
QString UnitWord(const char* context, const char* text, int count) {
    static const QRegularExpression kCount(QStringLiteral("[0-9.,' ]*[0-9][0-9.,' ]*"));
    QString word = CanonicalWord(QCoreApplication::translate(context, text, nullptr, count));
    word.remove(kCount);
    return word.trimmed();
}

void AddPeriodWords(Notation& notation) {
    for (const UnitMessage& message : kUnitMessages) {
        for (const int count : kPluralCounts) {
            const QString word = UnitWord(message.Context, message.Text, count);
            if (word.isEmpty() || word.contains(u'%')) continue;
            // Without translations the English source stands: "day(s)" is "day" and "days".
            if (word.endsWith(QStringLiteral("(s)"))) {
                notation.PeriodWords.insert(word.chopped(3), message.Unit);
                notation.PeriodWords.insert(word.chopped(3) + u's', message.Unit);
            } else {
                notation.PeriodWords.insert(word, message.Unit);
            }
        }
    }
    QString joined = CanonicalWord(QCoreApplication::translate("FactsText", "%1 and %2"));
    joined.remove(QStringLiteral("%1")).remove(QStringLiteral("%2"));
    joined = joined.trimmed();
    if (!joined.isEmpty()) notation.AndJoin.setPattern(QStringLiteral(" *%1 ").arg(QRegularExpression::escape(joined)));
}

bool IndianGrouping(const QLocale& locale) {
    const QString group = locale.groupSeparator();
    if (group.isEmpty()) return false;
    const QStringList groups = locale.toString(qlonglong{1234567}).split(group);
    return groups.size() > 2 && groups[1].size() == 2;
}

}  // namespace

char16_t DecimalPointOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? u'.' : point.front().unicode();
}

Notation NotationOf(const QLocale& locale) {
    const QString group = locale.groupSeparator();
    Notation notation;
    notation.DecimalPoint = DecimalPointOf(locale);
    notation.GroupSeparator = group.isEmpty() ? u'\0' : group.front().unicode();
    notation.IndianGrouping = IndianGrouping(locale);
    // Every English locale's names ("Sept" is British), gathered once.
    static const Notation english = [] {
        Notation names;
        for (const QLocale& variant :
             QLocale::matchingLocales(QLocale::English, QLocale::AnyScript, QLocale::AnyTerritory)) {
            AddNames(names, variant);
        }
        return names;
    }();
    AddNames(notation, locale);
    for (auto name = english.Months.cbegin(); name != english.Months.cend(); ++name)
        AddName(notation.Months, name.key(), *name);
    for (auto name = english.Weekdays.cbegin(); name != english.Weekdays.cend(); ++name) {
        AddName(notation.Weekdays, name.key(), *name);
    }
    for (auto half = english.DayHalves.cbegin(); half != english.DayHalves.cend(); ++half) {
        if (notation.DayHalves.value(half.key(), *half) != *half) notation.DayHalves.remove(half.key());
        else notation.DayHalves.insert(half.key(), *half);
    }
    AddForms(notation, locale);
    AddCurrencies(notation, locale);
    // Thai writers count years in the Buddhist era (2551 is 2008), Persian ones in the Solar
    // Hijri calendar (1387): a year in their band is refused rather than read as Gregorian.
    if (locale.language() == QLocale::Thai) notation.OtherEraYears = {2400, 2700};
    if (locale.language() == QLocale::Persian) notation.OtherEraYears = {1200, 1599};
    notation.SlashMayBeDecimal = locale.language() == QLocale::Persian;
    AddPeriodWords(notation);
    return notation;
}
