// The user's notation and language without a window: what a paste presses in each mode and
// locale, how the facts of a result are worded, the language a user gets, and what the display
// shows as a worded difference is edited.
#include "facts_text.h"
#include "key_map.h"
#include "paste_reader.h"
#include "translations.h"
#include "wording.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <chrono>
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

}  // namespace

class LanguageTests : public QObject {
    Q_OBJECT

    // English, as the program runs in a language it does not ship: the English plural forms only.
    const Translations english_{QLocale::c()};

private slots:
    // What a paste presses, as the mode's captions, or "refused": texts apart by "|", each with the
    // keys at the same place or all with the one keys given; "*" is each of C, en_US, en_IN, de_DE
    // and fr_FR.
    void pastedNotation() {
        const std::tuple<const char*, std::string_view, const char*, const char*> rows[] = {
            // Numbers as issue 15 reads them.
            {"de_DE", kNumberMode, "0.125|-0.125 * -2|1,5+2|1.234.567+5,|1,234.5+1.234,5",
             "0.125|0.125+/-X2+/-|1.5+2|1234567+5.|1234.5+1234.5"},
            {"de_DE", kNumberMode, "1.23,5|1,2,3", "refused"},
            {"C", kNumberMode, "1.5E-07|1.25E+0+1.25E+1|1E+15|5-3 =-2.5e+3|1'234.50",
             "0.00000015|1.25+12.5|1000000000000000|5-3=2500+/-|1234.50"},
            {"C", kNumberMode, "1E+401|1,2,3|1 5|1.5 234|1234 567", "refused"},
            {"en_US", kNumberMode, "1.234,5+1,234.5|1,234,567|12 345 678", "1234.5+1234.5|1234567|12345678"},
            {"en_US", kNumberMode, "1,5|1.234.567|1 234,5", "refused"},
            {"fr_FR", kNumberMode, "1\u202f234,5+1\u00a0234,5|1 234,5", "1234.5+1234.5|1234.5"},
            {"de_CH", kNumberMode, "12\u201934", "refused"},
            {"de_DE", kDateMode, "11.05.2000x2011-10-09", "11/05/2000Dif09/10/2011"},
            {"C", kDateMode, "12011-10-09x2011-1-9|2011--9x2011-x-9|11.05 2",
             "12011Sub10Sub09Dif9/1/2011|2011SubSub9Dif2011SubDifSub9|refused"},
            {"fr_FR", kTimeMode, "14.30.00", "14:30:00"},
            // Every character read, or the paste refused: nothing skipped between digits.
            {"*", kNumberMode, "2^3|10:30|12 May 2003|=SUM(A1:A3)|0x1F|1#2|ERROR|sqrt 9", "refused"},
            {"*", kNumberMode, "9s 2 x 3 r", "9sqrt2X31/x"},
            {"C", kDateMode, "4s5", "refused"},
            // Operators as web pages and word processors write them; percent.
            {"*", kNumberMode, "12 \u00d7 3|12 \u2212 3|12 \u00f7 4|12\u20133|\u22125\u00d7\u20132|200+10%",
             "12X3|12-3|12/4|12-3|5+/-X2+/-|200+10%"},
            {"*", kDateMode, "1/1/2000 \u2212 1", "1/1/2000Sub1"},
            // Accounting negatives; any other parenthesis refuses.
            {"C", kNumberMode, "(1,234.50)|($5)", "1234.50+/-|5+/-"},
            {"en_US", kNumberMode, "(1,234.50)", "1234.50+/-"},
            {"en_IN", kNumberMode, "(1,234.50)", "1234.50+/-"},
            {"de_DE", kNumberMode, "(1.234,50)", "1234.50+/-"},
            {"fr_FR", kNumberMode, "(1 234,50)", "1234.50+/-"},
            {"*", kNumberMode, "(5|5)|(1+2)|()", "refused"},
            // Currency beside a number.
            {"*", kNumberMode, "$5+5 $|\u00a31-\u00a52", "5+5|1-2"},
            {"*", kNumberMode, "$|5 $ 3|CHFX", "refused"},
            {"de_DE", kNumberMode, "\u20ac1.234,50|1.234,50 \u20ac", "1234.50"},
            {"fr_FR", kNumberMode, "1 234,50 EUR", "1234.50"},
            {"C", kNumberMode, "CHF 1'234.50|\u20b95", "1234.50|refused"},
            {"en_US", kNumberMode, "USD 1,234", "1234"},
            {"en_IN", kNumberMode, "\u20b912,34,567", "1234567"},
            // 12-hour and French times.
            {"*", kTimeMode, "10:30 PM|12:00 AM|12:30 pm|4:05:03 PM|9 am+1:00PM|22h30|22 h 30|7h",
             "22:30|00:00|12:30|16:05:03|09:00Add13:00|22:30|22:30|7:00"},
            {"*", kTimeMode, "13:00 PM|0:30 AM|10:30:15.250|10:30 15|22h300", "refused"},
            {"ar_EG", kTimeMode, "10:30 \u0645", "22:30"},
            // Dates with month names, typed day first; a weekday must fit.
            {"*", kDateMode, "12 May 2003|May 12, 2003|Monday, 12 May 2003", "12/05/2003"},
            {"*", kDateMode, "Fri 12 Sep. 2003", "12/09/2003"},
            {"*", kDateMode, "Tuesday, 12 May 2003|Monday, 31 Feb 2003|Monday|12 May|May 123, 2003", "refused"},
            {"de_DE", kDateMode, "12. Mai 2003|Montag, 12. Mai 2003", "12/05/2003"},
            {"fr_FR", kDateMode, "lundi 12 mai 2003|12 févr. 2003|mardi 12 mai 2003", "12/05/2003|12/02/2003|refused"},
            {"C", kDateMode, "12 mai 2003", "refused"},
            {"hi_IN", kDateMode, "12 \u092e\u0908 2003", "12/05/2003"},
            // Dash and ISO dates; a zone or offset refuses.
            {"*", kDateMode, "12-05-2003|2003-05-12|2003-05-12T10:00:00|12 - 05-2003",
             "12/05/2003|12/05/2003|12/05/2003|12Sub05Sub2003"},
            {"*", kTimeMode, "2003-05-12T10:00:00|2003-05-12 10:00|10:00:00+02:00", "10:00:00|10:00|10:00:00Add02:00"},
            {"*", kDateMode, "2003-05-12T10:00:00Z", "refused"},
            {"*", kTimeMode, "2003-05-12T10:00:00+02:00|2003-05-12|2003-05-12T10:00:00.5", "refused"},
            // Slash dates: month first only where the locale writes it so, and only when it must be.
            {"en_US", kDateMode, "5/11/2000|5/13/2000|13/5/2000|5/5/2000|5.11.2000|5/11/03|5/12/2000",
             "refused|13/5/2000|13/5/2000|5/5/2000|5/11/2000|5/11/03|refused"},
            {"*", kDateMode, "\u0661\u0663/\u0660\u0665/\u0662\u0660\u0660\u0663", "13/05/2003"},
            // Exponents in the locale's notation.
            {"de_DE", kNumberMode, "1,5E-07", "0.00000015"},
            {"fr_FR", kNumberMode, "1,5E\u221207", "0.00000015"},
            {"C", kNumberMode, "1.5E\u221207", "0.00000015"},
            {"*", kNumberMode, "1,5\u00d710^\u221207", "refused"},
            {"en_US", kNumberMode, "1,5E-07|1,234E2", "refused"},
            // Where "." groups, "1.234" could be either.
            {"de_DE", kNumberMode, "1.234|1.2345|12.345.678|1234.567", "refused|1.2345|12345678|1234.567"},
            {"en_US", kNumberMode, "1.234", "1.234"},
            // Indian grouping, and digits of other scripts.
            {"en_IN", kNumberMode, "12,34,567.5|1,234,567|12,34,56,7|123,45,678", "1234567.5|1234567|refused|refused"},
            {"hi_IN", kNumberMode, "1,23,456|\u0967\u0968+\u0969", "123456|12+3"},
            {"en_US", kNumberMode, "12,34,567.5", "refused"},
            {"*", kNumberMode, "\u0661\u0662\u0663\u0664\u066b\u0665|1\u066b2\u066b3", "1234.5|refused"},
            {"ar_EG", kNumberMode, "\u0661\u066c\u0662\u0663\u0664\u066b\u0665", "1234.5"},
            {"fa_IR", kNumberMode, "\u06f1\u06f2\u06f3\u06f4\u066b\u06f5", "1234.5"}};
        const QStringList everyLocale = QStringLiteral("C en_US en_IN de_DE fr_FR").split(' ');
        QStringList wrong;
        for (const auto& [locales, mode, texts, keys] : rows) {
            const QStringList pasted = QString::fromUtf8(texts).split('|'),
                              expected = QString::fromUtf8(keys).split('|');
            for (const QString& locale : locales[0] == '*' ? everyLocale : QStringList{QLatin1String(locales)}) {
                for (qsizetype i = 0; i < pasted.size(); ++i) {
                    const QString captions = Captions(PastedKeys(pasted[i], mode, NotationOf(QLocale(locale))), mode);
                    if (captions != expected.value(i, expected.front()))
                        wrong << locale + " " + pasted[i] + ": " + captions;
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // Where each date on show lies from a fixed today, in each language shipped: the lines after a
    // date's long date (after the period applied, for a moved one), and the last two of a
    // difference, one for each of its dates.
    void factsFromToday() {
        using namespace std::chrono;
        constexpr year_month_day kToday{year{2026}, December, day{7}};
        const auto differenceOf = [](year_month_day first, year_month_day second) {
            return DateDifferenceFacts{first, second, 0, 0, 0, 0, 0};
        };
        const auto moved = [](year_month_day to) {
            return MovedDateFacts{to, {PeriodFacts::Units::DaysMonthsYears, {0, 0, 1}, false}, false};
        };
        const year_month_day may2000 = 2000y / May / 11, jan2028 = 2028y / January / 8, dec2008 = 2008y / 12 / 29;
        const std::tuple<const char*, DisplayFacts, const char*> rows[] = {
            {"en_GB", kToday, "today\nweek 50, day 341 of 365"},
            {"en_GB", 2026y / 12 / 8, "tomorrow\nweek 50, day 342 of 365"},
            {"en_GB", 2026y / 12 / 6, "yesterday\nweek 49, day 340 of 365"},
            {"en_GB", 2026y / 12 / 25, "in 18 days\nweek 52, day 359 of 365"},
            {"en_GB", 2027y / 1 / 7, "in 31 days (in 1 month)\nweek 1, day 7 of 365"},
            {"en_GB", may2000, "9,706 days ago (26 years, 6 months and 26 days ago)\nweek 19, day 132 of 366"},
            {"en_GB", jan2028, "in 397 days (in 1 year, 1 month and 1 day)\nweek 1, day 8 of 366"},
            {"en_GB", moved(2024y / 12 / 8),
             "1 year added\n729 days ago (1 year, 11 months and 29 days ago)\nweek 49, day 343 of 366"},
            {"en_GB", 100y / 1 / 1,
             "703,797 days ago (1,926 years, 11 months and 6 days ago)\nweek 53 of 99, day 1 of 365"},
            {"en_GB", differenceOf(dec2008, 2099y / 12 / 29),
             "Monday, 29 December 2008: 6,552 days ago (17 years, 11 months and 8 days ago); week 1 of 2009, day 364 "
             "of 366\nTuesday, 29 December 2099: in 26,685 days (in 73 years and 22 days); week 53, day 363 of 365"},
            {"de_DE", may2000,
             "vor 9.706 Tagen (vor 26 Jahren, 6 Monaten und 26 Tagen)\nKalenderwoche 19, Tag 132 von 366"},
            {"de_DE", jan2028, "in 397 Tagen (in 1 Jahr, 1 Monat und 1 Tag)\nKalenderwoche 1, Tag 8 von 366"},
            {"de_DE", differenceOf(kToday, dec2008),
             "Montag, 7. Dezember 2026: heute; Kalenderwoche 50, Tag 341 von 365\nMontag, 29. Dezember 2008: vor 6.552 "
             "Tagen (vor 17 Jahren, 11 Monaten und 8 Tagen); Kalenderwoche 1 des Jahres 2009, Tag 364 von 366"},
            {"fr_FR", differenceOf(jan2028, dec2008),
             "samedi 8 janvier 2028 : dans 397 jours (dans 1 an, 1 mois et 1 jour) ; semaine 1, jour 8 sur 366\nlundi "
             "29 décembre 2008 : il y a 6 552 jours (il y a 17 ans, 11 mois et 8 jours) ; semaine 1 de l'année 2009, "
             "jour 364 sur 366"},
            {"es_ES", differenceOf(jan2028, dec2008),
             "sábado, 8 de enero de 2028: dentro de 397 días (dentro de 1 año, 1 mes y 1 día); semana 1, día 8 de "
             "366\nlunes, 29 de diciembre de 2008: hace 6552 días (hace 17 años, 11 meses y 8 días); semana 1 de 2009, "
             "día 364 de 366"},
            {"it_IT", differenceOf(jan2028, dec2008),
             "sabato 8 gennaio 2028: tra 397 giorni (tra 1 anno, 1 mese e 1 giorno); settimana 1, giorno 8 di "
             "366\nlunedì 29 dicembre 2008: 6.552 giorni fa (17 anni, 11 mesi e 8 giorni fa); settimana 1 del 2009, "
             "giorno 364 di 366"},
            {"pt_BR", differenceOf(jan2028, dec2008),
             "sábado, 8 de janeiro de 2028: em 397 dias (em 1 ano, 1 mês e 1 dia); semana 1, dia 8 de "
             "366\nsegunda-feira, 29 de dezembro de 2008: há 6.552 dias (há 17 anos, 11 meses e 8 dias); semana 1 de "
             "2009, dia 364 de 366"},
            {"nl_NL", differenceOf(jan2028, dec2008),
             "zaterdag 8 januari 2028: over 397 dagen (over 1 jaar, 1 maand en 1 dag); week 1, dag 8 van 366\nmaandag "
             "29 december 2008: 6.552 dagen geleden (17 jaar, 11 maanden en 8 dagen geleden); week 1 van 2009, dag 364 "
             "van 366"},
            {"pl_PL", may2000, "9706 dni temu (26 lat, 6 miesięcy i 26 dni temu)\ntydzień 19, dzień 132 z 366"},
            {"pl_PL", differenceOf(jan2028, dec2008),
             "sobota, 8 stycznia 2028: za 397 dni (za 1 rok, 1 miesiąc i 1 dzień); tydzień 1, dzień 8 z "
             "366\nponiedziałek, 29 grudnia 2008: 6552 dni temu (17 lat, 11 miesięcy i 8 dni temu); tydzień 1 roku "
             "2009, dzień 364 z 366"},
            {"ru_RU", may2000, "9 706 дней назад (26 лет, 6 месяцев и 26 дней назад)\n19-я неделя, день 132 из 366"},
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

    // In a right-to-left language every date, time and number of a worded text is isolated, in
    // the locale's digits in the facts and in 0-9 on the display; elsewhere nothing is.
    void isolatedInRightToLeft() {
        using std::chrono::year;
        const DateDifferenceFacts facts{year{2000} / 5 / 11, year{2011} / 10 / 9, 4168, 2977, 11, 4, 28};
        static const QRegularExpression kIsolate(QStringLiteral("\\x{2068}[^\\x{2068}\\x{2069}]*\\x{2069}"));
        for (const QString& language : ShippedLanguages()) {
            const Translations translations{QLocale(language)};
            const QString texts = DateDifferenceText(11, 4, 28) + '\n' + FactsText(facts, translations.Locale(), year{2026} / 12 / 7) +
                                  '\n' + TimeDifferenceText(8, 5, 3);
            QString outside = texts;
            while (outside.contains(kIsolate)) outside.remove(kIsolate);
            const bool rightToLeft = translations.Locale().textDirection() == Qt::RightToLeft;
            QVERIFY2(rightToLeft ? !outside.contains(QRegularExpression(QStringLiteral("\\d"))) : outside == texts,
                     qPrintable(language + ": " + texts));
        }
    }
};

QTEST_GUILESS_MAIN(LanguageTests)
#include "language_tests.moc"
