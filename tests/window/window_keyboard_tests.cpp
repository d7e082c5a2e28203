// Keyboard shortcuts: both tables through the pure mapping, then real key events for the key
// preview, the keys used up before the focused control sees them, typed dates and times, and
// the tab order.
#include "window_driver.h"

#include "key_map.h"

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

#include <vector>

class KeyboardTests : public QObject {
    Q_OBJECT

private slots:
    // The key-code table first, the character table for what it leaves, as the key preview
    // asks them; -1: no button.
    void mapping() {
        QStringList wrong;
        const auto check = [&](const char* name, int key, bool keypad, const char* typed, const char* mode, int index) {
            const auto c = static_cast<char16_t>(typed[0]);
            auto found = KeyDownIndex(key, keypad, c);
            if (!found) found = KeyPressIndex(c, mode);
            if (found.value_or(-1) != index)
                wrong << QStringLiteral("%1 %2 %3").arg(mode, keypad ? "keypad" : "", name);
        };
        check("Backspace", Qt::Key_Backspace, false, "\b", "Number", 0);
        check("Delete", Qt::Key_Delete, false, "\x7f", "Number", 1);
        check("Escape", Qt::Key_Escape, false, "\x1b", "Number", 2);
        check("Return", Qt::Key_Return, false, "\r", "Date", 22);
        check("Enter", Qt::Key_Enter, true, "\r", "Number", 22);
        for (int digit = 0; digit < 10; ++digit) {
            const QByteArray text = QByteArray::number(digit);
            const int index = std::array{18, 13, 14, 15, 8, 9, 10, 3, 4, 5}[digit];
            check(text, Qt::Key_0 + digit, false, text, digit % 2 ? "Number" : "Date", index);
        }
        check("5", Qt::Key_5, true, "5", "Number", 9);
        check("Shift+1 typing 1", Qt::Key_1, false, "1", "Number", 13);
        check("Shift+1 typing !", Qt::Key_1, false, "!", "Number", -1);
        check("Ctrl+5 typing nothing", Qt::Key_5, false, "", "Number", 9);
        check("Shift+8 typing *", Qt::Key_8, false, "*", "Number", 11);
        for (const char* mode : {"Number", "Time"}) {
            check("+", Qt::Key_Plus, true, "+", mode, 21);
            check("-", Qt::Key_Minus, true, "-", mode, 16);
            check("*", Qt::Key_Asterisk, true, "*", mode, 11);
            check("/ (disabled off Number)", Qt::Key_Slash, true, "/", mode, 6);
            check(".", Qt::Key_Period, true, ".", mode, 20);
        }
        check("decimal comma", Qt::Key_Comma, true, ",", "Number", 20);
        const auto checkTyped = [&](const char* mode, const char* typed, std::initializer_list<int> indexes) {
            for (std::size_t i = 0; i < indexes.size(); ++i) {
                const char text[2] = {typed[i], 0};
                check(text, KeyOf(QLatin1Char(typed[i])), false, text, mode, std::data(indexes)[i]);
            }
        };
        checkTyped("Number", "SsPpRrXx=+-*/.:a", {7, 7, 12, 12, 17, 17, 11, 11, 22, 21, 16, 11, 6, 20, -1, -1});
        checkTyped("Date", "sx+-*/.:", {7, 11, 21, 16, 11, 20, -1, -1});
        checkTyped("Time", "Xp=:/.", {11, 12, 22, 20, -1, -1});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // Real key events; with "display" the display has the focus, so a shortcut must be seen
    // first and used up.
    void typed() {
        QStringList wrong;
        const auto check = [&](const char* name, const char* clicked, bool display, const char* typed, bool keypad,
                               const char* shown) {
            const auto window = OpenWindow();
            if (!ClickKeys(*window, QLatin1String(clicked))) wrong << QLatin1String(clicked);
            if (display) window->lblDisplay->setFocus(Qt::MouseFocusReason);
            TypeText(*window, QLatin1String(typed), keypad);
            if (DisplayText(*window) != QLatin1String(shown))
                wrong << QLatin1String(name) + ": " + DisplayText(*window);
        };
        check("a digit shows once", "", true, "5", false, "5");
        check("Backspace runs the key once", "1 2", true, "\b", false, "1");
        check("Enter presses =", "2 + 3", true, "\r", false, "5");
        check("other characters go into the text", "", true, "ab", false, "0.ab");
        check("typed operators", "", false, "6*7-2/4+1=", false, "11");
        check("Escape and Delete", "", false, "5+3\0332+34\1775=", false, "7");
        check("date typed as written", "[Date]", true, "11/05/2000", false, "11/05/2000");
        check("date with the keypad point", "[Date]", false, "10.05.2000", true, "10/05/2000");
        check("time difference", "[Time]", false, "11:05:20*19:10:23=", false, "8 Hours: 5 Minutes: 3 Seconds ");
        check("disabled keys do nothing", "[Time] 9", true, "sprSPR", false, "9");
        check("keypad divide disabled in Date", "[Date] 1", true, "/", true, "1");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // A layout that reports Shift+8 as 8 typing "*": the user typed "*".
    void shiftEightTypingAsterisk() {
        const auto window = OpenWindow();
        TypeText(*window, QStringLiteral("6"));
        PressKey(*window, Qt::Key_8, Qt::ShiftModifier, QStringLiteral("*"));
        TypeText(*window, QStringLiteral("7="));
        QCOMPARE(DisplayText(*window), QStringLiteral("42"));
    }

    // Ctrl+C and Ctrl+Insert copy the display as shown, trimmed, leaving focus and display as they
    // were; inside the display the text box copies its own selection.
    void copy() {
        const auto check = [](const char* clicked, int key, Qt::KeyboardModifier modifier, const char* copied) {
            const auto window = OpenWindow();
            QVERIFY(ClickKeys(*window, QLatin1String(clicked)));
            QWidget* focus = window->focusWidget();
            const QString shown = DisplayText(*window);
            QGuiApplication::clipboard()->clear();
            PressKey(*window, key, modifier, {});
            QCOMPARE(QGuiApplication::clipboard()->text(), QLatin1String(copied));
            QCOMPARE(DisplayText(*window), shown);
            QCOMPARE(window->focusWidget(), focus);
        };
        check("", Qt::Key_C, Qt::ControlModifier, "0.");
        check("2 + 3 =", Qt::Key_Insert, Qt::ControlModifier, "5");
        check("1 / 0 =", Qt::Key_C, Qt::ControlModifier, "ERROR");
        check("[Time] 11:05:20 Dif 19:10:23 =", Qt::Key_C, Qt::ControlModifier, "8 Hours: 5 Minutes: 3 Seconds");
        check("[Date] Dif", Qt::Key_C, Qt::ControlModifier, "Error! Wrong Date format");

        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("1 2 3")));
        window->lblDisplay->setFocus(Qt::MouseFocusReason);
        window->lblDisplay->setSelection(1, 1);
        PressKey(*window, Qt::Key_C, Qt::ControlModifier, {});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2"));
    }

    // Ctrl+V and Shift+Insert type the clipboard into the pad, writing the display once.
    void paste() {
        QStringList wrong;
        const auto check = [&](const char* clicked, const QString& clipboard, bool inDisplay, const char* shown) {
            const auto window = OpenWindow();
            if (!ClickKeys(*window, QLatin1String(clicked))) wrong << QLatin1String(clicked);
            if (inDisplay) window->lblDisplay->setFocus(Qt::MouseFocusReason);
            QGuiApplication::clipboard()->setText(clipboard);
            const QSignalSpy writes(window->lblDisplay, &QLineEdit::textChanged);
            PressKey(*window, clipboard.size() % 2 ? Qt::Key_V : Qt::Key_Insert,
                     clipboard.size() % 2 ? Qt::ControlModifier : Qt::ShiftModifier, {});
            if (DisplayText(*window) != QLatin1String(shown) || writes.size() > 1)
                wrong << clipboard.left(20) + ": " + DisplayText(*window).left(20);
        };
        check("", QStringLiteral("ab c12"), false, "12");
        check("", QStringLiteral(" 2+3\r\n+1\r=\n "), false, "7");
        check("", QStringLiteral("3.*2.5.="), false, "7.5");
        check("[Date] 4", QStringLiteral("s/5p"), false, "4/5");
        check("[Date]", QStringLiteral("11/05/2000"), false, "11/05/2000");
        check("[Date] 11/05/2000 Dif", QStringLiteral("9/10/2011\n"), false, "9/10/2011");
        check("[Date]", QStringLiteral("11/05/2000x9/10/2011="), false, "11 Years: 4 Months: 28 Days");
        check("[Time]", QStringLiteral("11:05:20*19:10:23="), false, "8 Hours: 5 Minutes: 3 Seconds ");
        check("", QString(1000, u'7'), false, qPrintable(QString(1000, u'7')));
        check("5", QString(1001, u'7'), false, "5");
        check("5", QString(), false, "5");
        check("5", QStringLiteral(" \n "), false, "5");
        check("5", QStringLiteral("12"), true, "512");  // the text box's own paste
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));

        const auto window = OpenWindow();
        auto* image = new QMimeData;
        image->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QGuiApplication::clipboard()->setMimeData(image);
        PressKey(*window, Qt::Key_V, Qt::ControlModifier, {});
        QCOMPARE(DisplayText(*window), QStringLiteral("0."));
    }

    void tabOrder() {
        const auto window = OpenWindow();
        for (const std::size_t option : {0u, 1u}) {  // Number, then Date with its disabled keys skipped
            QVERIFY(ClickKeys(*window, QLatin1String(option == 0 ? "[Number]" : "[Date]")));
            std::vector<QWidget*> expected;
            for (std::size_t i = 1; i < window->cmdCalc.size(); ++i) {
                if (window->cmdCalc[i]->isEnabled()) expected.push_back(window->cmdCalc[i]);
            }
            expected.insert(expected.end(), {window->Option1[option], window->lblDisplay, window->cmdCalc[0]});
            window->cmdCalc[0]->setFocus(Qt::TabFocusReason);
            for (QWidget* next : expected) {
                PressKey(*window, Qt::Key_Tab, {}, QStringLiteral("\t"));
                QCOMPARE(window->focusWidget(), next);
            }
            PressKey(*window, Qt::Key_Backtab, Qt::ShiftModifier, {});
            QCOMPARE(window->focusWidget(), window->lblDisplay);
        }
    }
};

QTEST_MAIN(KeyboardTests)
#include "window_keyboard_tests.moc"
