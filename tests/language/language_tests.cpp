// The user's notation and language without a window: what a paste presses in each mode and
// locale, how the facts of a result are worded, the language a user gets, and what the display
// shows as a worded difference is edited.
#include "facts_text.h"
#include "key_map.h"
#include "paste_reader.h"
#include "translations.h"
#include "wording.h"
#include "written_forms.h"

#include "calc_engine.h"
#include "date_time.h"
#include "number_text.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTime>

#include <array>
#include <chrono>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// Pressed keys as the mode's captions, run together, or "refused".
QString Captions(const std::optional<std::vector<ButtonIndex>>& pressed, std::string_view mode) {
    if (!pressed) return QStringLiteral("refused");
    QString captions;
    for (const ButtonIndex index : *pressed) {
        const KeyRow& key = kKeyTable.at(std::size_t(index));
        const std::string_view caption = mode == kNumberMode ? key.Number : mode == kDateMode ? key.Date : key.Time;
        captions += QString::fromUtf8(caption.data(), qsizetype(caption.size()));
    }
    return captions;
}

using Row = std::tuple<const char*, std::string_view, const char*, const char*>;

// Whether every row's texts press its keys, in each of its locales with their translations; the
// rows that do not are told.
template <std::size_t N>
bool RowsHold(const Row (&rows)[N], Awaited awaited) {
    const QStringList everyLocale = QStringLiteral("C en_US en_IN de_DE fr_FR").split(' ');
    bool hold = true;
    for (const auto& [locales, mode, texts, keys] : rows) {
        const QStringList pasted = QString::fromUtf8(texts).split('|'), expected = QString::fromUtf8(keys).split('|');
        for (const QString& locale : locales[0] == '*' ? everyLocale : QStringList{QLatin1String(locales)}) {
            const Translations translations{QLocale(locale)};
            const Notation notation = NotationOf(QLocale(locale));
            for (qsizetype i = 0; i < pasted.size(); ++i) {
                const QString captions = Captions(PastedKeys(pasted[i], mode, notation, awaited), mode);
                if (captions == expected.value(i, expected.front())) continue;
                hold = false;
                qWarning("%s %s: %s", qPrintable(locale), qPrintable(pasted[i]), qPrintable(captions));
            }
        }
    }
    return hold;
}

// The entry the keys leave in a fresh engine, a date or time as the engine writes it, or no
// value for a refused paste.
std::optional<std::string> Entry(const QString& text, std::string_view mode, const Notation& notation) {
    const auto keys = PastedKeys(text, mode, notation);
    if (!keys) return std::nullopt;
    CalcEngine engine;
    engine.ApplyMode(mode);
    for (const ButtonIndex key : *keys) engine.Press(key);
    const auto value = DateTimeValue(engine.EntryText);
    return mode == kNumberMode || !value ? engine.EntryText : DateTimeText(*value);
}

// A text QLocale wrote, the entry it must leave, and whether a rule refuses it.
struct Written {
    const char* Kind;
    std::string_view Mode;
    QString Text;
    QString Entry;
    bool RefusedByRule = false;
};

// "1.234" alone where "." groups, and Qt 6.4's groups of four ("2377 606,4", "5844.195").
bool GroupingRefused(const QString& written, const QLocale& locale) {
    const QStringList groups = written.section(locale.decimalPoint(), 0, 0).split(locale.groupSeparator());
    const bool oneDotGroup =
        locale.groupSeparator() == u"." && groups.size() == 2 && !written.contains(locale.decimalPoint());
    return oneDotGroup || (groups.size() > 1 && groups.front().size() > 3);
}

// Numbers of every length and sign, amounts, short dates with four-digit years, long dates and
// short times. Refused by rule: a date that reads either way, a two-digit year, CLDR's root forms.
std::vector<Written> WrittenBy(const QLocale& locale, QRandomGenerator& random) {
    QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!shortFormat.contains(QStringLiteral("yyyy")))
        shortFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const bool monthFirst = shortFormat.indexOf(u'M') < shortFormat.indexOf(u'd');
    const QString longFormat = locale.dateFormat(QLocale::LongFormat);
    const bool longRefused = !longFormat.contains(QStringLiteral("yyyy")) || locale.monthName(1) == u"M01";
    std::vector<Written> written;
    for (int i = 0; i < 20; ++i) {
        const int decimals = random.bounded(4);
        const double digits = std::round(random.generateDouble() * std::pow(10.0, random.bounded(1, 13)));
        const double value =
            QString::number(digits * (random.bounded(2) * 2 - 1) / 100, 'f', decimals).toDouble() + 0.0;
        const QString plain = QString::number(value, 'f', decimals);  // no "-0"
        const QString number = locale.toString(value, 'f', decimals);
        const QString amount = locale.toCurrencyString(value, locale.currencySymbol(), decimals);
        const QDate date(random.bounded(1000, 3000), random.bounded(1, 13), random.bounded(1, 29));
        const bool eitherWay = monthFirst && date.day() <= 12 && date.day() != date.month();
        const QTime time(random.bounded(24), random.bounded(60));
        const QString day = date.toString(QStringLiteral("dd/MM/yyyy"));
        written.insert(written.end(), {{"number", kNumberMode, number, plain, GroupingRefused(number, locale)},
                                       {"currency", kNumberMode, amount, plain, GroupingRefused(number, locale)},
                                       {"short", kDateMode, locale.toString(date, shortFormat), day, eitherWay},
                                       {"long", kDateMode, locale.toString(date, longFormat), day, longRefused},
                                       {"time", kTimeMode, locale.toString(time, QLocale::ShortFormat),
                                        time.toString(QStringLiteral("HH:mm:ss"))}});
    }
    return written;
}

}  // namespace

class LanguageTests : public QObject {
    Q_OBJECT

private slots:
    // What a paste presses, as the mode's captions (CE where a value starts a new entry), or
    // "refused": texts apart by "|", each with the keys at the same place or all with the one keys
    // given; "*" is each of C, en_US, en_IN, de_DE and fr_FR.
    void pastedNotation() {
        const Row rows[] = {
            // Numbers in the locale's marks, or in marks that read one way only.
            {"de_DE", kNumberMode, "0.125|-0.125 * -2|1,5+2|1.234.567+5|1,234.5+1.234,5",
             "CE0.125|CE0.125+/-X2+/-|CE1.5+2|CE1234567+5|CE1234.5+1234.5"},
            {"de_DE", kNumberMode, "1.23,5|1,2,3|1.234.567+5,", "refused"},
            {"C", kNumberMode, "1.5E-07|1.25E+0+1.25E+1|1E+15|5-3 =-2.5e+3|1'234.50|1.5E+1",
             "CE0.00000015|CE1.25+12.5|CE1000000000000000|CE5-3=2500+/-|CE1234.50|CE15"},
            {"C", kNumberMode, "1E+401|1,2,3|1 5|1.5 234|1234 567|12..3|1,,5|5 -3|5..|5.5.", "refused"},
            {"*", kNumberMode, "5.|0.|5.%", "CE5.|CE0.|CE0.05"},
            {"en_US", kNumberMode, "1.234,5+1,234.5|1,234,567|12 345 678", "CE1234.5+1234.5|CE1234567|CE12345678"},
            {"en_US", kNumberMode, "1,5|1.234.567|1 234,5", "refused"},
            {"fr_FR", kNumberMode, "1\u202f234,5+1\u00a0234,5|1 234,5|1\u2009234,5",
             "CE1234.5+1234.5|CE1234.5|CE1234.5"},
            {"de_CH", kNumberMode, "12\u201934", "refused"},
            // Where "." groups, "1.234" reads two ways, and so does "1234.567" (Qt's Spanish groups
            // so); beside the locale's own currency in its own place it is the locale's.
            {"de_DE", kNumberMode, "1.234|1.2345|12.345.678|1234.567|45.832 \u20ac|\u20ac45.832",
             "refused|CE1.2345|CE12345678|refused|CE45832|refused"},
            {"pt_BR", kNumberMode, "R$ 55.204", "CE55204"},
            {"en_US", kNumberMode, "1.234", "CE1.234"},
            // Every character read, or the paste refused; a letter key only alone, "x" between values.
            {"*", kNumberMode, "2^3|10:30|12 May 2003|=SUM(A1:A3)|0x1F|1#2|ERROR|sqrt 9|9s 2|90s|10p|t|4 xy 2|5 + x 3",
             "refused"},
            {"*", kNumberMode, "s|P|r|x|%|4 x 2.5|4x2", "sqrt|%|1/x|X|%|CE4X2.5|CE4X2"},
            {"C", kDateMode, "4s5|s|T|t", "refused"},
            {"C", kDateMode, "x", "Dif"},
            // Operators as web pages write them; the pad computes left to right, so a product after
            // a sum is refused; a paste that starts with an operator goes on from the entry.
            {"*", kNumberMode, "12 \u00d7 3|12 \u2212 3|12 \u00f7 4|12\u20133|\u22125\u00d7\u20132|2 \u00d7 3 + 4",
             "CE12X3|CE12-3|CE12/4|CE12-3|CE5+/-X2+/-|CE2X3+4"},
            {"C", kNumberMode, "2 + 3 \u00d7 4|2 - 3 / 4|2 + 3 \u00d7 =|5 +|5 + * 3|5 + =|2008-06-03|3/6/2008|12/25/08",
             "refused"},
            {"C", kNumberMode, "+5|* 2 =|= 3|2 + 3 = \u00d7 4| 2+3\r\n+1\r=\n |5 +\n3|5\n =|5\r6|2+3\n",
             "+5|X2=|=3|CE2+3=X4|CE2+3=+1=|refused|CE5=|CE5=6|CE2+3"},
            {"fa_IR", kNumberMode, "\u06f1\u06f2/\u06f5|\u06f1/\u06f5", "refused"},
            {"C", kNumberMode, "12/5", "CE12/5"},
            // Percent: after + or - the key, alone the value, after X or / refused; "%18" refused.
            {"C", kNumberMode, "200+10%|10%|-2.5 %|0.5%|150%", "CE200+10%|CE0.10|CE0.025+/-|CE0.005|CE1.50"},
            {"de_DE", kNumberMode, "12,5 %", "CE0.125"},
            {"C", kNumberMode, "50 \u00d7 10%|%18|10%%", "refused"},
            {"tr_TR", kNumberMode, "%18", "refused"},
            // Negatives: accounting parentheses, a trailing minus, a sign beside the currency.
            {"C", kNumberMode, "(1,234.50)|($5)|-$5|$-5|5-", "CE1234.50+/-|CE5+/-|CE5+/-|CE5+/-|CE5+/-"},
            {"de_DE", kNumberMode, "(1.234,50)|1.234,56-|1.234,56 \u20ac-", "CE1234.50+/-|CE1234.56+/-|CE1234.56+/-"},
            {"*", kNumberMode, "(5|5)|(1+2)|()|(-5)|-5-|5- 3", "refused|refused|refused|refused|refused|refused|CE5-3"},
            // Currency beside a number, a whole-amount dash after it.
            {"*", kNumberMode, "$5+5 $|\u00a31-\u00a52|CHF 120.\u2013|\u20ac 25,-", "CE5+5|CE1-2|CE120|CE25"},
            {"*", kNumberMode, "$|5 $ 3|CHFX|$5 $", "refused"},
            {"de_DE", kNumberMode, "\u20ac1.234,50|1.234,50 \u20ac", "CE1234.50"},
            {"fr_FR", kNumberMode, "1 234,50 EUR", "CE1234.50"},
            {"C", kNumberMode, "CHF 1'234.50|5 kr|z\u0142 5", "CE1234.50|CE5|CE5"},
            {"en_US", kNumberMode, "USD 1,234", "CE1234"},
            {"en_IN", kNumberMode, "\u20b912,34,567|\u20b9 1,50,000/-|Rs. 1,23,456.00",
             "CE1234567|CE150000|CE123456.00"},
            {"ja_JP", kNumberMode, "1,234\u5186|\uffe51,234", "CE1234"},
            {"ko_KR", kNumberMode, "1,234\uc6d0", "CE1234"},
            // Times from the locale's patterns and the written forms; minutes of two digits.
            {"*", kTimeMode, "10:30 PM|12:00 AM|12:30 pm|4:05:03 PM|9 am|22h30|22 h 30|7h|3:30 p.m.",
             "CE22:30|CE00:00|CE12:30|CE16:05:03|CE09:00|CE22:30|CE22:30|CE07:00|CE15:30"},
            {"*", kTimeMode, "13:00 PM|0:30 AM|10:30:15.250|10:30 15|22h300|4.5|4:5|25:00|9|9 am+1:00PM", "refused"},
            {"*", kTimeMode, "9:00 - 17:00|15h30\u201316h|9:00 + 1:30|9:00 x 17:00",
             "refused|refused|CE09:00Add1:30:00|CE09:00Dif17:00"},
            {"ar_EG", kTimeMode, "10:30 \u0645", "CE22:30"},
            {"es_ES", kTimeMode, "3:30 p. m.", "CE15:30"},
            {"cs_CZ", kTimeMode, "3:30 odp.", "CE15:30"},
            {"ja_JP", kTimeMode, "\u5348\u5f8c3:30|15\u664230\u5206", "CE15:30"},
            {"zh_CN", kTimeMode, "\u4e0b\u53483:30", "CE15:30"},
            {"ff_Adlm_GN", kTimeMode, "\U0001E953:\U0001E953\U0001E950 \U0001E907\U0001E90E", "CE15:30"},
            {"hu_HU", kDateMode, "2008. 06. 03.", "CE03/06/2008"},
            {"ko_KR", kTimeMode, "\uc624\ud6c4 3:30", "CE15:30"},
            {"fr_FR", kTimeMode, "14.30.00|15 h 30", "CE14:30:00|CE15:30"},
            {"de_DE", kTimeMode, "15.30 Uhr", "CE15:30"},
            // Dates with names, in English or the locale's language; a weekday must fit.
            {"*", kDateMode, "12 May 2003|May 12, 2003|Monday, 12 May 2003|Fri 12 Sep. 2003|June 3rd, 2008",
             "CE12/05/2003|CE12/05/2003|CE12/05/2003|CE12/09/2003|CE03/06/2008"},
            {"*", kDateMode, "Tuesday, 12 May 2003|Monday, 31 Feb 2003|Monday|12 May|May 123, 2003|June 3th, 2008",
             "refused"},
            {"en_US", kDateMode, "03-Jun-2008|Sept 14, 2021", "CE03/06/2008|CE14/09/2021"},
            {"C", kDateMode,
             "June 1st, 2008|June 2nd, 2008|June 11th, 2008|June 12th, 2008|June 13th, 2008|June 21st, 2008|June 22nd, "
             "2008|June 24th, 2008|June 30th, 2008",
             "CE01/06/2008|CE02/06/2008|CE11/06/2008|CE12/06/2008|CE13/06/2008|CE21/06/2008|CE22/06/2008|CE24/06/"
             "2008|CE30/06/2008"},
            {"C", kDateMode,
             "June 11st, 2008|June 12nd, 2008|June 13rd, 2008|June 21th, 2008|June 2st, 2008|June 4rd, 2008|June 1th, "
             "2008|1/1/0099|0099-01-01",
             "refused"},
            {"de_DE", kDateMode, "12. Mai 2003|Montag, 12. Mai 2003|3.\u20135. Juni 2008",
             "CE12/05/2003|CE12/05/2003|refused"},
            {"fr_FR", kDateMode, "lundi 12 mai 2003|12 f\u00e9vr. 2003|mardi 12 mai 2003|1er juin 2008|2er juin 2008",
             "CE12/05/2003|CE12/02/2003|refused|CE01/06/2008|refused"},
            {"C", kDateMode, "12 mai 2003", "refused"},
            {"teo_UG", kDateMode, "3 Mar 2008", "refused"},  // March in English, May in Teso
            {"es_ES", kDateMode, "3 de junio de 2008", "CE03/06/2008"},
            {"pt_BR", kDateMode, "ter\u00e7a-feira, 3 de junho de 2008", "CE03/06/2008"},
            {"pl_PL", kDateMode, "3 czerwca 2008 r.", "CE03/06/2008"},
            {"ru_RU", kDateMode, "3 \u0438\u044e\u043d\u044f 2008 \u0433.", "CE03/06/2008"},
            {"ja_JP", kDateMode, "2008\u5e746\u67083\u65e5", "CE03/06/2008"},
            {"ko_KR", kDateMode, "2008\ub144 6\uc6d4 3\uc77c|2008. 6. 3.", "CE03/06/2008"},
            {"he_IL", kDateMode,
             "\u05d9\u05d5\u05dd \u05e9\u05dc\u05d9\u05e9\u05d9, 3 \u05d1\u05d9\u05d5\u05e0\u05d9 2008",
             "CE03/06/2008"},
            {"tr_TR", kDateMode, "3 Haziran 2008 Sal\u0131", "CE03/06/2008"},
            // Other calendars' years are refused; a date that is none is refused at once.
            {"th_TH", kDateMode, "3/6/2551|3/6/2008|3/6/2400|3/6/2700|3/6/2399|3/6/2701",
             "refused|CE03/06/2008|refused|refused|CE03/06/2399|CE03/06/2701"},
            {"fa_IR", kDateMode, "\u06f1\u06f3\u06f8\u06f7/\u06f3/\u06f1\u06f4|\u06f2\u06f0\u06f0\u06f8/\u06f6/\u06f3",
             "refused|CE03/06/2008"},
            {"*", kDateMode, "31/06/2008|3.6.|20080603|03.06.08|12|2003-05-12 - 2003-05-13|1/1/2000 \u2212 1",
             "refused"},
            // Dash and ISO dates; a zone or offset refuses.
            {"*", kDateMode, "2003-05-12|2003-05-12T10:00:00|12 - 05-2003", "CE12/05/2003|CE12/05/2003|refused"},
            {"C", kDateMode, "12-05-2003|11.05.2000x2011-10-09|1/1/2000 + 1/0/0 x 5/5/2000",
             "CE12/05/2003|CE11/05/2000Dif09/10/2011|CE01/01/2000Add1/0/0=Dif05/05/2000"},
            {"C", kDateMode, "1/1/2000 + 1/0/0 = - 0/1/0|1/1/2000 + 1/0/0 = 2/2/2000",
             "CE01/01/2000Add1/0/0=Sub0/1/0|CE01/01/2000Add1/0/0=02/02/2000"},
            {"C", kDateMode, "1/1/2000 x 2/2/2000 + 1/0/0|1/1/2000 x 2/2/2000 = + 1/0/0|1/1/2000 + 3/6", "refused"},
            {"*", kTimeMode, "2003-05-12T10:00:00|2003-05-12 10:00|10:00:00+02:00",
             "CE10:00:00|CE10:00|CE10:00:00Add02:00:00"},
            {"*", kDateMode, "2003-05-12T10:00:00Z", "refused"},
            {"*", kTimeMode, "2003-05-12T10:00:00+02:00|2003-05-12|2003-05-12T10:00:00.5", "refused"},
            // Slash dates: month first only where the locale writes it so, and only when it must be.
            {"en_US", kDateMode,
             "5/11/2000|5/13/2000|13/5/2000|5/5/2000|5.11.2000|5/11/03|5/12/2000|12/25/08|11/31/2008|12-05-2003",
             "refused|CE13/05/2000|CE13/05/2000|CE05/05/2000|CE05/11/2000|refused|refused|refused|refused|refused"},
            {"*", kDateMode, "\u0661\u0663/\u0660\u0665/\u0662\u0660\u0660\u0663|1\u0663/05/2003",
             "CE13/05/2003|refused"},
            // Exponents in the locale's notation.
            {"de_DE", kNumberMode, "1,5E-07", "CE0.00000015"},
            {"fr_FR", kNumberMode, "1,5E\u221207", "CE0.00000015"},
            {"*", kNumberMode, "1,5\u00d710^\u221207", "refused"},
            {"en_US", kNumberMode, "1,5E-07|1,234E2", "refused"},
            // Indian grouping, and digits of other scripts, outside the Basic Multilingual Plane too.
            {"en_IN", kNumberMode, "12,34,567.5|1,234,567|12,34,56,7|123,45,678",
             "CE1234567.5|CE1234567|refused|refused"},
            {"hi_IN", kNumberMode, "1,23,456|\u0967\u0968+\u0969", "CE123456|CE12+3"},
            {"en_US", kNumberMode, "12,34,567.5", "refused"},
            {"*", kNumberMode,
             "\u0661\u0662\u0663\u0664\u066b\u0665|1\u066b2\u066b3|\U00011137\U00011138|\u0661\u0662+3",
             "CE1234.5|refused|CE12|CE12+3"},
            {"ar_EG", kNumberMode, "\u0661\u066c\u0662\u0663\u0664\u066b\u0665", "CE1234.5"},
            {"fa_IR", kNumberMode, "\u06f1\u06f2\u06f3\u06f4\u066b\u06f5", "CE1234.5"}};
        QVERIFY(RowsHold(rows, Awaited::Value));
        // The first year the pad holds, and the largest exponent written out.
        const Notation c = NotationOf(QLocale::c());
        QCOMPARE(Captions(PastedKeys(QStringLiteral("1/1/0100"), kDateMode, c), kDateMode),
                 QStringLiteral("CE01/01/0100"));
        QCOMPARE(Captions(PastedKeys(QStringLiteral("1E+400"), kNumberMode, c), kNumberMode),
                 "CE1" + QString(400, u'0'));
    }

    // A period after Add or Sub: the pad's own forms, or counts in the words of the translations,
    // the display's difference among them.
    void pastedPeriods() {
        const Row rows[] = {
            {"C", kDateMode, "3 weeks|1 year and 2 months|90 days|11 Years: 4 Months: 28 Days|01/00/03|1 day, 2 weeks",
             "CE21/0/0|CE0/2/1|CE90/0/0|CE28/4/11|CE01/00/03|CE15/0/0"},
            {"C", kDateMode, "3/6|12/05/2003|3 weeks 2 weeks|3 hours|-1 Years: 12 Months: 0 Days|3 weeks and|5",
             "refused"},
            {"de_DE", kDateMode, "2 Wochen|11 Jahre: 4 Monate: 28 Tage|1 Jahr und 2 Monate",
             "CE14/0/0|CE28/4/11|CE0/2/1"},
            {"ru_RU", kDateMode, "5 \u043b\u0435\u0442|2 \u0433\u043e\u0434\u0430|1 \u0433\u043e\u0434",
             "CE0/0/5|CE0/0/2|CE0/0/1"},
            {"C", kTimeMode, "1:30|25:00|2 hours 30 minutes|8 Hours: 5 Minutes: 3 Seconds |1:30:15",
             "CE1:30:00|CE25:00:00|CE2:30:00|CE8:05:03|CE1:30:15"},
            {"C", kTimeMode, "1 hour 30 seconds|999999999 seconds", "CE1:00:30|CE0:00:999999999"},
            {"C", kTimeMode, "1:5|3 days|10:30 PM|1:30 +|90|1000000000 seconds", "refused"}};
        QVERIFY(RowsHold(rows, Awaited::Period));
        // With no translation installed, the English source texts: "day(s)" is "day" and "days".
        const auto keys =
            PastedKeys(QStringLiteral("1 day 2 weeks"), kDateMode, NotationOf(QLocale::c()), Awaited::Period);
        QCOMPARE(Captions(keys, kDateMode), QStringLiteral("CE15/0/0"));
    }

    // What QLocale writes in every locale it knows is read as written or refused, never read as
    // another value; in the nine languages the window speaks only the rules refuse.
    void everyLocaleRoundTrip() {
        const QList<QLocale::Language> spoken{QLocale::English, QLocale::German,  QLocale::French,
                                              QLocale::Spanish, QLocale::Italian, QLocale::Portuguese,
                                              QLocale::Dutch,   QLocale::Polish,  QLocale::Russian};
        QRandomGenerator random(25);
        std::map<std::string_view, std::array<int, 3>> shares;  // kind: read, misread, not refused by rule
        QStringList wrong;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const Notation notation = NotationOf(locale);
            for (const Written& w : WrittenBy(locale, random)) {
                const auto entry = Entry(w.Text, w.Mode, notation);
                const bool misread = entry && QString::fromStdString(*entry) != w.Entry;
                if (misread) wrong << locale.name() + " misread " + w.Text + ": " + QString::fromStdString(*entry);
                if (!entry && !w.RefusedByRule && spoken.contains(locale.language()))
                    wrong << locale.name() + " refused " + w.Text;
                std::array<int, 3>& share = shares[w.Kind];
                share[1] += misread;
                share[2] += !w.RefusedByRule;
                share[0] += !w.RefusedByRule && entry && !misread;
            }
        }
        // The least share of each kind read right.
        const std::map<std::string_view, double> least{
            {"number", 99}, {"currency", 95}, {"short", 99}, {"long", 90}, {"time", 97}};
        for (const auto& [kind, share] : shares) {
            qInfo("%-8s read %6.2f %% of %d, misread %d", kind.data(), 100.0 * share[0] / share[2], share[2], share[1]);
            QVERIFY(100.0 * share[0] / share[2] >= least.at(kind));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
    }

    // How a Qt pattern reads: quoted literals, a quote written twice among them; names ("ddd" is
    // a weekday); a zone left out with the literal before it; a weekday, the seconds and the day
    // half optional with the literal that joins them, the day half only beside two numbers; a
    // letter written on to a name; a last literal optional.
    void formExpressions() {
        const auto reads = [](const QString& row) {
            const QString form = FormExpression(row.section(u'=', 0, 0), QStringLiteral("am|pm"));
            return QRegularExpression(QStringLiteral("^(?:%1)$").arg(form)).match(row.section(u'=', 1)).hasMatch();
        };
        // pattern=text, apart by "|".
        const QString read = QStringLiteral(
            "H 'h' mm=5 h 30|H''mm=5'30|d 'de' M yyyy=3 de 6 2008|ddd d MMM yyyy=Fri 12 Sep 2003|"
            "ddd d MMM yyyy=12 Sep 2003|h:mm AP=3:30 pm|h:mm AP=3:30|H:mm-t=5:30|dddd'x' d=Mondayx 5|"
            "H:mm:ss=5:30|d.M.yyyy.=3.6.2008|H:mmt x=5:30 x|dMMMM'x'=3Junex");
        const QString refused =
            QStringLiteral("H 'h' mm=5 30|H''mm=530|dddd, d MMMM yyyy=, 12 May 2003|h AP=3|H:mm:ss=5:30:");
        for (const QString& row : read.split(u'|')) QVERIFY2(reads(row), qPrintable(row));
        for (const QString& row : refused.split(u'|')) QVERIFY2(!reads(row), qPrintable(row));
    }

    // Where each date on show lies from a fixed today, in English and in the languages whose
    // grammar is easiest to get wrong (German's cases, Polish and Russian plural forms): the lines
    // after a date's long date (after the period applied, for a moved one), and the last two of a
    // difference, one for each of its dates. The other languages' wording is their translators'.
    void factsFromToday() {
        using namespace std::chrono;
        constexpr year_month_day kToday{year{2026}, December, day{7}};
        const auto differenceOf = [](year_month_day first, year_month_day second) {
            return DateDifferenceFacts{first, second, 0, 0, 0, 0, 0};
        };
        const auto moved = [](year_month_day to) {
            return MovedDateFacts{to, {PeriodFacts::Units::DaysMonthsYears, {0, 0, 1}, false}, false};
        };
        const year_month_day jan2028 = 2028y / January / 8, dec2008 = 2008y / 12 / 29;
        const std::tuple<const char*, DisplayFacts, const char*> rows[] = {
            {"en_GB", kToday, "today\nweek 50, day 341 of 365"},
            {"en_GB", 2026y / 12 / 8, "tomorrow\nweek 50, day 342 of 365"},
            {"en_GB", 2026y / 12 / 6, "yesterday\nweek 49, day 340 of 365"},
            {"en_GB", 2026y / 12 / 25, "in 18 days\nweek 52, day 359 of 365"},
            {"en_GB", 2027y / 1 / 7, "in 31 days (in 1 month)\nweek 1, day 7 of 365"},
            {"en_GB", moved(2024y / 12 / 8),
             "1 year added\n729 days ago (1 year, 11 months and 29 days ago)\nweek 49, day 343 of 366"},
            {"en_GB", 100y / 1 / 1,
             "703,797 days ago (1,926 years, 11 months and 6 days ago)\nweek 53 of 99, day 1 of 365"},
            {"en_GB", differenceOf(dec2008, 2099y / 12 / 29),
             "Monday, 29 December 2008: 6,552 days ago (17 years, 11 months and 8 days ago); week 1 of 2009, day 364 "
             "of 366\nTuesday, 29 December 2099: in 26,685 days (in 73 years and 22 days); week 53, day 363 of 365"},
            {"de_DE", jan2028, "in 397 Tagen (in 1 Jahr, 1 Monat und 1 Tag)\nKalenderwoche 1, Tag 8 von 366"},
            {"de_DE", differenceOf(kToday, dec2008),
             "Montag, 7. Dezember 2026: heute; Kalenderwoche 50, Tag 341 von 365\nMontag, 29. Dezember 2008: vor 6.552 "
             "Tagen (vor 17 Jahren, 11 Monaten und 8 Tagen); Kalenderwoche 1 des Jahres 2009, Tag 364 von 366"},
            {"pl_PL", differenceOf(jan2028, dec2008),
             "sobota, 8 stycznia 2028: za 397 dni (za 1 rok, 1 miesiąc i 1 dzień); tydzień 1, dzień 8 z "
             "366\nponiedziałek, 29 grudnia 2008: 6552 dni temu (17 lat, 11 miesięcy i 8 dni temu); tydzień 1 roku "
             "2009, dzień 364 z 366"},
            {"ru_RU", differenceOf(jan2028, dec2008),
             "суббота, 8 января 2028 г.: через 397 дней (через 1 год, 1 месяц и 1 день); 1-я неделя, день 8 из "
             "366\nпонедельник, 29 декабря 2008 г.: 6 552 дня назад (17 лет, 11 месяцев и 8 дней назад); 1-я неделя "
             "2009 года, день 364 из 366"},
            {"pl_PL", 2024y / 2 / 29, "1012 dni temu (2 lata, 9 miesięcy i 9 dni temu)\ntydzień 9, dzień 60 z 366"},
            {"ru_RU", 2024y / 2 / 29,
             "1 012 дней назад (2 года, 9 месяцев и 9 дней назад)\n9-я неделя, день 60 из 366"},
        };
        QStringList wrong;
        for (const auto& [locale, facts, expected] : rows) {
            const Translations translations{QLocale(QLatin1String(locale))};
            const QString text = FactsText(facts, translations.Locale(), kToday);
            const QString told = text.section('\n', std::holds_alternative<DateDifferenceFacts>(facts) ? 4 : 1);
            if (told != QString::fromUtf8(expected)) wrong << QLatin1String(locale) + ": " + told;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
    }

    // A count beyond Qt's int keeps the plural form its last digits call for, and is written whole,
    // in the window's locale whatever the default one.
    void factsBeyondIntRange() {
        for (const auto& [locale, seconds] : {std::pair{"en_GB", "3,000,000,001 seconds"},
                                              std::pair{"ru_RU", "3\u00a0000\u00a0000\u00a0001 секунда"}}) {
            const Translations translations{QLocale(locale)};
            const QString facts = FactsText(TimeDifferenceFacts{3'000'000'001, 0, 0, 0}, translations.Locale(), {});
            QCOMPARE(facts.section('\n', 1), QString::fromUtf8(seconds));
        }
    }

    // One language for the whole window: the user's first language shipped in its script, its
    // country's own where shipped, else English; dates and numbers written in that language.
    void languageChosen() {
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"de_AT", "de", "de_AT"},    {"pt_PT", "pt_PT", "pt_PT"}, {"pt_BR", "pt_BR", "pt_BR"},
            {"zh_SG", "zh_CN", "zh_SG"}, {"zh_TW", "", "en_US"},      {"zh_HK", "", "en_HK"},
            {"sv_SE", "", "en_SE"},      {"en_GB", "", "en_GB"},      {"C", "", "C"},
            {"ar_MA", "ar", "ar_MA"},    {"fa_AF", "fa", "fa_AF"},    {"sr_RS", "", "en_US"}};
        for (const auto& [user, language, locale] : rows) {
            const Translations translations{QLocale(user)};
            QCOMPARE(translations.Language(), QLatin1String(language));
            QCOMPARE(translations.Locale().name(), QLatin1String(locale));
            // Qt's own texts (the display's context menu) in that language too: Portugal's are Brazil's.
            const bool english = QCoreApplication::translate("QLineEdit", "&Undo") == QLatin1String("&Undo");
            QVERIFY2(english == (*language == '\0'), user);
        }
        // With two of one language, the user's country's.
        QCOMPARE(ShippedLanguage(QLocale("pt_PT"), {"pt_BR", "pt_PT"}), QStringLiteral("pt_PT"));
    }

    // What the user sees without its last character: a letter with its marks, an isolate's bounds
    // kept paired or dropped with what they held.
    void lastCharacterRemoved() {
        for (const auto& [text, shorter] :
             {std::pair{"\u2068\u0661\u2069 \u0633\u0646\u0629\u064b", "\u2068\u0661\u2069 \u0633\u0646"},
              std::pair{"\u0633 \u2068\u0661\u0662\u2069", "\u0633 \u2068\u0661\u2069"},
              std::pair{"\u0633 \u2068\u0661\u2069", "\u0633 "}, std::pair{"", ""}})
            QCOMPARE(WithoutLastCharacter(QString::fromUtf8(text)), QString::fromUtf8(shorter));
    }

    // In every language shipped each placeholder is filled; in a right-to-left one every date, time
    // and number of a worded text is isolated, in the locale's digits in the facts and in 0-9 on
    // the display; elsewhere nothing is.
    void isolatedInRightToLeft() {
        using std::chrono::year;
        const DateDifferenceFacts facts{year{2000} / 5 / 11, year{2011} / 10 / 9, 4168, 2977, 11, 4, 28};
        static const QRegularExpression kIsolate(QStringLiteral("\\x{2068}[^\\x{2068}\\x{2069}]*\\x{2069}"));
        for (const QString& language : ShippedLanguages()) {
            const Translations translations{QLocale(language)};
            const QString texts = DateDifferenceText(11, 4, 28) + '\n' +
                                  FactsText(facts, translations.Locale(), year{2026} / 12 / 7) + '\n' +
                                  TimeDifferenceText(8, 5, 3);
            QString outside = texts;
            while (outside.contains(kIsolate)) outside.remove(kIsolate);
            const bool rightToLeft = translations.Locale().textDirection() == Qt::RightToLeft;
            QVERIFY2(rightToLeft ? !outside.contains(QRegularExpression(QStringLiteral("\\d"))) : outside == texts,
                     qPrintable(language + ": " + texts));
            QVERIFY2(!texts.contains(u'%'), qPrintable(language + ": " + texts));  // every placeholder filled
        }
    }
};

QTEST_GUILESS_MAIN(LanguageTests)
#include "language_tests.moc"
