// The pad through real mouse clicks, and the mode selector: captions, enabled keys, help texts
// and the engine state that a switch keeps.
#include "window_driver.h"

#include "help_texts.h"

#include <array>

namespace {

struct PadState {
    std::array<const char*, 23> Captions;
    std::array<bool, 23> Enabled;
};

constexpr std::array<bool, 23> kAllEnabled{true, true, true, true, true, true, true, true, true, true, true, true,
                                           true, true, true, true, true, true, true, true, true, true, true};
// Keys 6, 7, 12 and 17 are Number-only.
constexpr std::array<bool, 23> kCalendarEnabled{true, true,  true, true, true,  true, false, false,
                                                true, true,  true, true, false, true, true,  true,
                                                true, false, true, true, true,  true, true};

const PadState kNumberPad{{"Backspace", "CE", "C", "7", "8", "9",   "/", "sqrt", "4", "5", "6", "X",
                           "%",         "1",  "2", "3", "-", "1/x", "0", "+/-",  ".", "+", "="},
                          kAllEnabled};
const PadState kDatePad{{"Backspace", "CE", "C", "7", "8",   "9",   "/", "sqrt", "4", "5",   "6", "Dif",
                         "%",         "1",  "2", "3", "Sub", "1/x", "0", "+/-",  "/", "Add", "="},
                        kCalendarEnabled};
const PadState kTimePad{{"Backspace", "CE", "C", "7", "8",   "9",   "/", "sqrt", "4", "5",   "6", "Dif",
                         "%",         "1",  "2", "3", "Sub", "1/x", "0", "+/-",  ":", "Add", "="},
                        kCalendarEnabled};

const PadState& PadOf(const QString& mode) {
    if (mode == QLatin1String("Date")) return kDatePad;
    if (mode == QLatin1String("Time")) return kTimePad;
    return kNumberPad;
}

QString Lines(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

const QString kDateLines = Lines({
    "Date Format dd/mm/yyyy",
    "",
    "DIF",
    "11/05/2000",
    "Dif",
    "9/10/2011",
    "=",
    "11 Years: 4 Months: 28 Days",
    "",
    "SUB",
    "11/05/2000",
    "Sub",
    "01/00/03",
    "=",
    "10/05/1997",
    "",
    "ADD",
    "11/05/2000",
    "Add",
    "01/00/03",
    "=",
    "12/05/2003",
});
const QString kTimeLines = Lines({
    "Time Format hh:mm:ss",
    "",
    "DIF",
    "11:05:20",
    "Dif",
    "19:10:23",
    "=",
    "8 Hours: 5 Minutes: 3 Seconds",
    "",
    "SUB",
    "11:05:20",
    "Sub",
    "01:00:03",
    "=",
    "10:05:17",
    "",
    "ADD",
    "11:05:20",
    "Add",
    "01:00:03",
    "=",
    "12:05:23",
});

}  // namespace

class ModeTests : public QObject {
    Q_OBJECT

private slots:
    void clicks_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("sum") << "1 + 2 + 3 ="
                             << "6";
        QTest::newRow("product") << "1 2 X 3 ="
                                 << "36";
        QTest::newRow("clear all") << "5 + 3 C 2 ="
                                   << "2";
        QTest::newRow("backspace") << "1 2 3 Backspace"
                                   << "12";
        QTest::newRow("clear entry") << "1 2 CE 4"
                                     << "4";
        QTest::newRow("sign change") << "4 +/-"
                                     << "-4";
        QTest::newRow("square root") << "8 1 sqrt"
                                     << "9";
        QTest::newRow("reciprocal") << "4 1/x"
                                    << "0.25";
        QTest::newRow("date difference") << "[Date] 11/05/2000 Dif 9/10/2011 ="
                                         << "11 Years: 4 Months: 28 Days";
        QTest::newRow("date minus a period") << "[Date] 11/05/2000 Sub 01/00/03 ="
                                             << "10/05/1997";
        QTest::newRow("date plus a period") << "[Date] 11/05/2000 Add 01/00/03 ="
                                            << "12/05/2003";
        QTest::newRow("first date shown normalised") << "[Date] 11/5/2000 Dif"
                                                     << "11/05/2000";
        QTest::newRow("time difference ends in a blank") << "[Time] 11:05:20 Dif 19:10:23 ="
                                                         << "8 Hours: 5 Minutes: 3 Seconds ";
        QTest::newRow("time minus a period") << "[Time] 11:05:20 Sub 01:00:03 ="
                                             << "10:05:17";
        QTest::newRow("time plus a period") << "[Time] 11:05:20 Add 01:00:03 ="
                                            << "12:05:23";
    }
    void clicks() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, keys));
        QCOMPARE(DisplayText(*window), display);
    }

    void padFollowsTheMode_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("mode");
        const QStringList modes{"Number", "Date", "Time"};
        for (const QString& before : modes) {
            for (const QString& mode : modes) {
                if (before == mode) continue;
                QTest::addRow("%s to %s", qPrintable(before), qPrintable(mode)) << before << mode;
            }
        }
    }
    void padFollowsTheMode() {
        QFETCH(QString, before);
        QFETCH(QString, mode);
        const auto window = OpenWindow();
        if (before != QLatin1String("Number")) QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(before)));
        QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(mode)));
        const PadState& pad = PadOf(mode);
        for (std::size_t i = 0; i < 23; ++i) {
            QCOMPARE(window->cmdCalc[i]->text(), QLatin1String(pad.Captions[i]));
            QCOMPARE(window->cmdCalc[i]->isEnabled(), pad.Enabled[i]);
        }
        const QString help = mode == QLatin1String("Date")   ? kDateLines
                             : mode == QLatin1String("Time") ? kTimeLines
                                                             : QString();
        QCOMPARE(window->Label1->text(), help);
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(window->Option1[i]->isChecked(), window->Option1[i]->text() == mode);
        }
    }

    void disabledButtonsIgnoreClicks() {
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("[Date] 4")));
        for (const std::size_t i : {6u, 7u, 12u, 17u}) QTest::mouseClick(window->cmdCalc[i], Qt::LeftButton);
        QCOMPARE(DisplayText(*window), QStringLiteral("4"));
    }

    void helpTextsHeldExactly_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("Date") << "Date" << 166 << "Date Format dd/mm/yyyy"
                              << "12/05/2003";
        QTest::newRow("Time") << "Time" << 155 << "Time Format hh:mm:ss"
                              << "12:05:23";
    }
    void helpTextsHeldExactly() {
        QFETCH(QString, mode);
        QFETCH(int, length);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const std::string_view held = HelpText(mode.toStdString());
        const QString text = QString::fromUtf8(held.data(), static_cast<qsizetype>(held.size()));
        QCOMPARE(text.size(), length);
        QCOMPARE(text.count(QLatin1Char('\r')), 21);
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(text.startsWith(first + QLatin1Char('\r')));
        QVERIFY(text.endsWith(QLatin1Char('\r') + last));
        QCOMPARE(text.count(QStringLiteral("\r\r")), 3);
        QVERIFY(HelpText("Number").empty());
    }

    void helpTextSameEachTime() {
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("[Date]")));
        const QString first = window->Label1->text();
        const QRect box = window->Label1->geometry();
        QVERIFY(ClickKeys(*window, QStringLiteral("[Number] [Date]")));
        QCOMPARE(window->Label1->text(), first);
        QCOMPARE(window->Label1->geometry(), box);
    }

    void switchesKeepTheEngineState_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("display kept on Date") << "1 2 [Date]"
                                              << "12";
        QTest::newRow("display kept on Time") << "1 2 [Date] [Time]"
                                              << "12";
        QTest::newRow("Number shows 0.") << "1 2 [Date] [Time] [Number]"
                                         << "0.";
        QTest::newRow("entry survives the switches") << "1 2 [Date] [Time] [Number] 3"
                                                     << "123";
        QTest::newRow("operand and operator survive") << "5 + [Date] [Number] 3 ="
                                                      << "8";
        QTest::newRow("result kept on Time") << "2 + 3 = [Time]"
                                             << "5";
        QTest::newRow("date entry carried into Number") << "[Date] 1 1 / 5 [Number] +/-"
                                                        << "-11/5";
        QTest::newRow("date operand carried into Time") << "[Date] 1/1/2000 Dif [Time] Backspace"
                                                        << "01/01/200";
    }
    void switchesKeepTheEngineState() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, keys));
        QCOMPARE(DisplayText(*window), display);
    }

    // Arrow keys move the selection; each move runs the switch as a click does.
    void optionByKeyboard() {
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("7")));
        window->Option1[0]->setFocus(Qt::TabFocusReason);
        PressKey(*window, Qt::Key_Right, {}, {});
        QVERIFY(window->Option1[1]->isChecked());
        QCOMPARE(window->cmdCalc[20]->text(), QStringLiteral("/"));
        QVERIFY(!window->cmdCalc[7]->isEnabled());
        QCOMPARE(window->Label1->text(), kDateLines);
        QCOMPARE(DisplayText(*window), QStringLiteral("7"));
        PressKey(*window, Qt::Key_Right, {}, {});
        QCOMPARE(window->cmdCalc[20]->text(), QStringLiteral(":"));
        PressKey(*window, Qt::Key_Left, {}, {});
        PressKey(*window, Qt::Key_Left, {}, {});
        QVERIFY(window->Option1[0]->isChecked());
        QCOMPARE(DisplayText(*window), QStringLiteral("0."));
        QVERIFY(window->cmdCalc[7]->isEnabled());
    }
};

QTEST_MAIN(ModeTests)
#include "window_mode_tests.moc"
