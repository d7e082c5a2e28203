// The pad through real mouse clicks, and the mode selector: captions, enabled keys, help texts
// and the engine state that a switch keeps.
#include "window_driver.h"

#include "help_texts.h"

class ModeTests : public QObject {
    Q_OBJECT

private slots:
    // Keys clicked from start-up, then the display; "~" marks a disabled key on the pad.
    void clicks() {
        QStringList wrong;
        const auto check = [&](const char* keys, const char* display, const char* pad) {
            const auto window = OpenWindow();
            if (!ClickKeys(*window, QLatin1String(keys))) wrong << QLatin1String(keys);
            QStringList captions;
            for (QPushButton* button : window->cmdCalc) captions << (button->isEnabled() ? "" : "~") + button->text();
            if (DisplayText(*window) != QLatin1String(display))
                wrong << QLatin1String(keys) + " shows " + DisplayText(*window);
            if (pad != nullptr && captions.join(' ') != QLatin1String(pad)) wrong << QLatin1String(keys) + " pad";
            const QString mode =
                QString(keys).contains('[') ? QString(keys).section('[', -1).section(']', 0, 0) : "Number";
            for (QRadioButton* option : window->Option1) {
                if (option->isChecked() != (option->text() == mode)) wrong << QLatin1String(keys) + " option";
            }
        };
        const char* date = "Backspace CE C 7 8 9 ~/ ~sqrt 4 5 6 Dif ~% 1 2 3 Sub ~1/x 0 +/- / Add =";
        const char* time = "Backspace CE C 7 8 9 ~/ ~sqrt 4 5 6 Dif ~% 1 2 3 Sub ~1/x 0 +/- : Add =";
        const char* number = "Backspace CE C 7 8 9 / sqrt 4 5 6 X % 1 2 3 - 1/x 0 +/- . + =";
        check("1 2 X 3 =", "36", number);
        check("1 2 [Date]", "12", date);
        check("1 2 [Date] [Time]", "12", time);
        check("1 2 [Date] [Time] [Number]", "0.", number);
        check("1 2 [Date] [Time] [Number] 3", "123", number);
        check("5 + [Date] [Number] 3 =", "8", nullptr);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // The help is held exactly, shown with line breaks, and its three worked examples give the
    // results it states when clicked.
    void helpTexts() {
        for (const auto& [mode, length, first] :
             {std::tuple{"[Date]", 166, "Date Format dd/mm/yyyy"}, std::tuple{"[Time]", 155, "Time Format hh:mm:ss"}}) {
            const std::string_view held = HelpText(std::string_view(mode + 1, 4));
            const QString text = QString::fromUtf8(held.data(), static_cast<qsizetype>(held.size()));
            QCOMPARE(text.size(), qsizetype(length));
            QCOMPARE(text.count('\r'), 21);
            QVERIFY(!text.contains('\n'));
            const auto window = OpenWindow();
            QVERIFY(ClickKeys(*window, QLatin1String(mode)));
            QCOMPARE(window->Label1->text(), QString(text).replace('\r', '\n'));
            const QStringList lines = text.split('\r');
            QCOMPARE(lines[0], QLatin1String(first));
            for (int example = 0; example < 3; ++example) {
                const QStringList block = lines.mid(3 + 7 * example, 5);  // a, operator, b, "=", result
                QVERIFY(ClickKeys(*window, "C " + block.mid(0, 4).join(' ')));
                QCOMPARE(DisplayText(*window).trimmed(), block[4]);
            }
        }
    }

    // Arrow keys move the selection; each move runs the switch as a click does.
    void optionByKeyboard() {
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("7")));
        window->Option1[0]->setFocus(Qt::TabFocusReason);
        PressKey(*window, Qt::Key_Right, {}, {});
        QVERIFY(window->Option1[1]->isChecked() && !window->cmdCalc[7]->isEnabled());
        QCOMPARE(window->cmdCalc[20]->text(), QStringLiteral("/"));
        QCOMPARE(window->Label1->text().count('\n'), 21);
        PressKey(*window, Qt::Key_Right, {}, {});
        QCOMPARE(window->cmdCalc[20]->text(), QStringLiteral(":"));
        QCOMPARE(DisplayText(*window), QStringLiteral("7"));
        PressKey(*window, Qt::Key_Left, {}, {});
        PressKey(*window, Qt::Key_Left, {}, {});
        QVERIFY(window->Option1[0]->isChecked() && window->cmdCalc[7]->isEnabled());
        QCOMPARE(DisplayText(*window), QStringLiteral("0."));
    }
};

QTEST_MAIN(ModeTests)
#include "window_mode_tests.moc"
