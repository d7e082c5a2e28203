// Keyboard shortcuts: every key of both tables in the mode where its meaning shows, the keys
// used up before the focused control sees them, typed dates and times, and the tab order.
#include "window_driver.h"

#include <vector>

namespace {

enum class Outcome { Presses, UsedUp, PassesOn };

QString Preamble(const QString& mode) {
    if (mode == QLatin1String("Date")) return QStringLiteral("[Date] 11/05/2000 Dif 9/10/2011");
    if (mode == QLatin1String("Time")) return QStringLiteral("[Time] 11:05:20 Dif 19:10:23");
    return QStringLiteral("1 2 + 3 4");
}

void AddKey(const char* name, const char* mode, int key, Qt::KeyboardModifiers modifiers, const QString& text,
            int index, Outcome outcome = Outcome::Presses) {
    QTest::addRow("%s: %s", mode, name) << QString::fromLatin1(mode) << key << int(modifiers) << text << index
                                        << int(outcome);
}

void AddCharacter(const char* mode, QChar typed, int index, Outcome outcome = Outcome::Presses) {
    const Qt::KeyboardModifiers shift = typed.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    const QByteArray name = QByteArray("typed ") + char(typed.toLatin1());
    AddKey(name.constData(), mode, KeyOf(typed), shift, QString(typed), index, outcome);
}

}  // namespace

class KeyboardTests : public QObject {
    Q_OBJECT

private slots:
    // Each key goes to the display while it has the focus: a shortcut must be seen first and
    // used up, so the display shows exactly what clicking the named button shows.
    void keys_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("outcome");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
        AddKey("Backspace", "Number", Qt::Key_Backspace, none, "\b", 0);
        AddKey("Delete", "Number", Qt::Key_Delete, none, "\x7f", 1);
        AddKey("Escape", "Number", Qt::Key_Escape, none, "\x1b", 2);
        const std::array<int, 10> digitIndexes{18, 13, 14, 15, 8, 9, 10, 3, 4, 5};
        for (int digit = 0; digit < 10; ++digit) {
            const QString text = QString::number(digit);
            const int index = digitIndexes[static_cast<std::size_t>(digit)];
            const QByteArray main = "digit " + text.toLatin1();
            const QByteArray keypad = "keypad " + text.toLatin1();
            AddKey(main.constData(), "Number", Qt::Key_0 + digit, none, text, index);
            AddKey(keypad.constData(), "Number", Qt::Key_0 + digit, pad, text, index);
        }
        AddKey("Shift and a digit key typing the digit", "Number", Qt::Key_1, Qt::ShiftModifier, "1", 13);
        AddKey("Ctrl ignored", "Number", Qt::Key_5, Qt::ControlModifier, "", 9);
        AddKey("Shift+8 reported as an asterisk", "Number", Qt::Key_Asterisk, Qt::ShiftModifier, "*", 11);
        AddKey("Shift+8 reported as 8 typing an asterisk", "Number", Qt::Key_8, Qt::ShiftModifier, "*", 11);
        AddKey("keypad point", "Number", Qt::Key_Period, pad, ".", 20);
        AddKey("keypad comma", "Number", Qt::Key_Comma, pad, ",", 20);
        AddKey("keypad plus", "Number", Qt::Key_Plus, pad, "+", 21);
        AddKey("keypad minus", "Number", Qt::Key_Minus, pad, "-", 16);
        AddKey("keypad times", "Number", Qt::Key_Asterisk, pad, "*", 11);
        AddKey("keypad divide", "Number", Qt::Key_Slash, pad, "/", 6);
        AddKey("Return", "Number", Qt::Key_Return, none, "\r", 22);
        AddKey("keypad Enter", "Number", Qt::Key_Enter, pad, "\r", 22);
        for (const char* mode : {"Date", "Time"}) {
            AddKey("keypad point types the separator", mode, Qt::Key_Period, pad, ".", 20);
            AddKey("keypad plus is Add", mode, Qt::Key_Plus, pad, "+", 21);
            AddKey("keypad minus is Sub", mode, Qt::Key_Minus, pad, "-", 16);
            AddKey("keypad times is Dif", mode, Qt::Key_Asterisk, pad, "*", 11);
            AddKey("keypad divide names a disabled key", mode, Qt::Key_Slash, pad, "/", -1, Outcome::UsedUp);
            AddKey("Enter", mode, Qt::Key_Return, none, "\r", 22);
            AddKey("digit 5", mode, Qt::Key_5, none, "5", 9);
        }

        for (const QChar c : QStringLiteral("SsPpRrXx=+-*/.")) {
            const int index = QStringLiteral("SsPpRrXx=+-*/.").indexOf(c);
            AddCharacter(
                "Number", c,
                std::array{7, 7, 12, 12, 17, 17, 11, 11, 22, 21, 16, 11, 6, 20}[static_cast<std::size_t>(index)]);
        }
        AddCharacter("Number", u':', -1, Outcome::PassesOn);
        AddCharacter("Number", u'a', -1, Outcome::PassesOn);
        for (const char* mode : {"Date", "Time"}) {
            for (const QChar c : QStringLiteral("SsPpRr")) AddCharacter(mode, c, -1, Outcome::UsedUp);
            AddCharacter(mode, u'X', 11);
            AddCharacter(mode, u'x', 11);
            AddCharacter(mode, u'=', 22);
            AddCharacter(mode, u'+', 21);
            AddCharacter(mode, u'-', 16);
            AddCharacter(mode, u'*', 11);
            AddCharacter(mode, u'.', -1, Outcome::PassesOn);
            AddCharacter(mode, u'q', -1, Outcome::PassesOn);
        }
        AddCharacter("Date", u'/', 20);
        AddCharacter("Date", u':', -1, Outcome::PassesOn);
        AddCharacter("Time", u':', 20);
        AddCharacter("Time", u'/', -1, Outcome::PassesOn);
    }
    void keys() {
        QFETCH(QString, mode);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(int, outcome);
        const auto typed = OpenWindow();
        QVERIFY(ClickKeys(*typed, Preamble(mode)));
        typed->lblDisplay->setFocus(Qt::MouseFocusReason);
        const QString before = DisplayText(*typed);
        PressKey(*typed, key, Qt::KeyboardModifiers(modifiers), text);
        switch (Outcome(outcome)) {
            case Outcome::Presses: {
                QCOMPARE(typed->focusWidget(), typed->cmdCalc.at(static_cast<std::size_t>(index)));
                const auto clicked = OpenWindow();
                QVERIFY(ClickKeys(*clicked, Preamble(mode)));
                QTest::mouseClick(clicked->cmdCalc.at(static_cast<std::size_t>(index)), Qt::LeftButton);
                QCOMPARE(DisplayText(*typed), DisplayText(*clicked));
                break;
            }
            case Outcome::UsedUp:
                QCOMPARE(typed->focusWidget(), typed->lblDisplay);
                QCOMPARE(DisplayText(*typed), before);
                break;
            case Outcome::PassesOn:
                QCOMPARE(typed->focusWidget(), typed->lblDisplay);
                QCOMPARE(DisplayText(*typed), before + text);
                break;
        }
    }

    // Typed with the focus on whatever control the mode click left it on.
    void typedSequences_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("display");
        QTest::newRow("sum") << "Number"
                             << "12+3=" << false << "15";
        QTest::newRow("sum on the keypad") << "Number"
                                           << "12+3=" << true << "15";
        QTest::newRow("Enter presses =") << "Number"
                                         << "2+3\r" << false << "5";
        QTest::newRow("keypad Enter presses =") << "Number"
                                                << "2+3\r" << true << "5";
        QTest::newRow("typed times") << "Number"
                                     << "6*7=" << false << "42";
        QTest::newRow("typed x") << "Number"
                                 << "6x7=" << false << "42";
        QTest::newRow("typed minus") << "Number"
                                     << "9-4=" << false << "5";
        QTest::newRow("typed divide") << "Number"
                                      << "8/2=" << false << "4";
        QTest::newRow("typed point") << "Number"
                                     << "2.5+1=" << false << "3.5";
        QTest::newRow("Escape clears all") << "Number"
                                           << "5+3\x1b"
                                              "2="
                                           << false << "2";
        QTest::newRow("Delete clears the entry") << "Number"
                                                 << "12+34\x7f"
                                                    "5="
                                                 << false << "17";
        QTest::newRow("Backspace twice") << "Number"
                                         << "123\b\b" << false << "1";
        QTest::newRow("percent") << "Number"
                                 << "200+10p" << false << "20";
        QTest::newRow("square root") << "Number"
                                     << "81s" << false << "9";
        QTest::newRow("reciprocal") << "Number"
                                    << "4r" << false << "0.25";
        QTest::newRow("date typed as written") << "Date"
                                               << "11/05/2000" << false << "11/05/2000";
        QTest::newRow("date with the keypad point") << "Date"
                                                    << "10.05.2000" << true << "10/05/2000";
        QTest::newRow("date difference") << "Date"
                                         << "11/05/2000*9/10/2011=" << false << "11 Years: 4 Months: 28 Days";
        QTest::newRow("date minus a period") << "Date"
                                             << "11/05/2000-01/00/03\r" << false << "10/05/1997";
        QTest::newRow("date plus a period") << "Date"
                                            << "11/05/2000+01/00/03=" << false << "12/05/2003";
        QTest::newRow("time typed as written") << "Time"
                                               << "11:05:20" << false << "11:05:20";
        QTest::newRow("time with the keypad point") << "Time"
                                                    << "11.05.20" << true << "11:05:20";
        QTest::newRow("time difference") << "Time"
                                         << "11:05:20x19:10:23\r" << false << "8 Hours: 5 Minutes: 3 Seconds ";
        QTest::newRow("time plus a period") << "Time"
                                            << "11:05:20+01:00:03=" << false << "12:05:23";
        QTest::newRow("disabled keys do nothing") << "Time"
                                                  << "9sprSPR" << false << "9";
    }
    void typedSequences() {
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        QFETCH(bool, keypad);
        QFETCH(QString, display);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(mode)));
        TypeText(*window, typed, keypad);
        QCOMPARE(DisplayText(*window), display);
    }

    void keysInTheDisplay_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("display");
        QTest::newRow("a digit shows once") << ""
                                            << "5"
                                            << "5";
        QTest::newRow("Backspace runs the key once") << "1 2"
                                                     << "\b"
                                                     << "1";
        QTest::newRow("Enter runs = once") << "2 + 3"
                                           << "\r"
                                           << "5";
        QTest::newRow("other characters go into the text") << ""
                                                           << "ab"
                                                           << "0.ab";
        QTest::newRow("and the next press replaces them") << ""
                                                          << "ab7"
                                                          << "7";
    }
    void keysInTheDisplay() {
        QFETCH(QString, clicked);
        QFETCH(QString, typed);
        QFETCH(QString, display);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, clicked));
        window->lblDisplay->setFocus(Qt::MouseFocusReason);
        TypeText(*window, typed);
        QCOMPARE(DisplayText(*window), display);
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("option");
        QTest::newRow("Number") << "Number" << 0;
        QTest::newRow("Date, disabled keys skipped") << "Date" << 1;
        QTest::newRow("Time, disabled keys skipped") << "Time" << 2;
    }
    void tabOrder() {
        QFETCH(QString, mode);
        QFETCH(int, option);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(mode)));
        std::vector<QWidget*> expected;
        for (std::size_t i = 1; i < window->cmdCalc.size(); ++i) {
            if (window->cmdCalc[i]->isEnabled()) expected.push_back(window->cmdCalc[i]);
        }
        expected.push_back(window->Option1.at(static_cast<std::size_t>(option)));
        expected.push_back(window->lblDisplay);
        expected.push_back(window->cmdCalc[0]);
        window->cmdCalc[0]->setFocus(Qt::TabFocusReason);
        for (QWidget* next : expected) {
            PressKey(*window, Qt::Key_Tab, {}, QStringLiteral("\t"));
            QCOMPARE(window->focusWidget(), next);
        }
        PressKey(*window, Qt::Key_Backtab, Qt::ShiftModifier, {});
        QCOMPARE(window->focusWidget(), window->lblDisplay);
    }
};

QTEST_MAIN(KeyboardTests)
#include "window_keyboard_tests.moc"
