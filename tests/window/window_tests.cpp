// The window as a user meets it, offscreen: start-up, the layout by its properties, clicks and
// mode switches, keys and the clipboard, and what assistive technology is told. The leak check
// runs them all under valgrind.
#include "contrast.h"
#include "display_box.h"
#include "facts_text.h"
#include "frm_zorvane.h"
#include "key_map.h"
#include "translations.h"
#include "wording.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QTranslator>

#include <memory>

namespace {

// The moment the tests run at, a Monday.
QDateTime TestClock() { return {QDate(2026, 12, 7), QTime(14, 3, 27)}; }

// A shown and active window speaking `language`, on the test clock: focus and arrow-key
// navigation need an active window.
std::unique_ptr<frmZorvane> OpenWindow(const QLocale& language = QLocale::c()) {
    auto window = std::make_unique<frmZorvane>(language);
    window->Now = &TestClock;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    return window;
}

// The pad's captions in index order, a disabled key marked "~".
QString PadText(const frmZorvane& window) {
    QStringList captions;
    for (const QPushButton* key : window.cmdCalc) captions << (key->isEnabled() ? "" : "~") + key->text();
    return captions.join(' ');
}

QAbstractButton* Find(const auto& buttons, const QString& caption) {
    const auto found = std::ranges::find_if(buttons, [&](auto* b) { return b->isEnabled() && b->text() == caption; });
    return found != buttons.end() ? *found : nullptr;
}

constexpr std::array<std::string_view, 3> kModes{kNumberMode, kDateMode, kTimeMode};

// Keys separated by blanks, clicked with the mouse: "[Date]" selects a mode, a word that is an
// enabled button's English caption clicks that button, any other word is clicked character by
// character. False if some key has no enabled button.
bool ClickKeys(frmZorvane& window, const QString& keys) {
    for (const QString& word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('['))) {
            const auto mode = std::ranges::find(kModes, word.mid(1, word.size() - 2).toStdString());
            if (mode == kModes.end()) return false;
            QAbstractButton* option = window.Option1.at(std::size_t(mode - kModes.begin()));
            // On the indicator, which every style counts as part of the button: on the right in a
            // right-to-left language.
            const QPoint indicator(6, option->height() / 2);
            QTest::mouseClick(option, Qt::LeftButton, {},
                              QStyle::visualPos(option->layoutDirection(), option->rect(), indicator));
            continue;
        }
        // In the language installed: "Dif" finds "Diff" in German.
        const QString shown = KeyCaption(word.toStdString());
        const bool whole = Find(window.cmdCalc, shown) != nullptr;
        for (const QString& caption : whole ? QStringList{shown} : word.split(QString(), Qt::SkipEmptyParts)) {
            QAbstractButton* button = Find(window.cmdCalc, caption);
            if (button == nullptr) return false;
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    return true;
}

// One key press and release, delivered where the platform would: to the focused control.
void PressKey(frmZorvane& window, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, modifiers);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(key), text, modifiers);
}

// Types each character on the main keyboard, or on the keypad, with Qt's key code for it: the
// upper-case code point, or the editing key for a control character.
void TypeText(frmZorvane& window, const QString& text, bool keypad = false) {
    constexpr std::array<int, 4> kEditingKeys{Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Delete};
    for (const QChar c : text) {
        const auto editing = static_cast<std::size_t>(QStringLiteral("\r\b\x1b\x7f").indexOf(c));
        const int key = editing < kEditingKeys.size() ? kEditingKeys[editing] : c.toUpper().unicode();
        PressKey(window, key, keypad ? Qt::KeypadModifier : Qt::NoModifier, QString(c));
    }
}

// The display's tooltip as a pointer resting on it shows it; empty for none.
QString ToolTipShown(frmZorvane& window) {
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), window.lblDisplay->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(window.lblDisplay, &event);
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return shown;
}

// Every text the window shows or tells assistive technology: captions, the frame's title, the
// display, the help, tooltips, accessible names and descriptions.
QStringList WindowTexts(const frmZorvane& window) {
    QStringList texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
        if (const auto* frame = qobject_cast<QGroupBox*>(widget)) texts << frame->title();
        if (const auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
        if (const auto* line = qobject_cast<QLineEdit*>(widget)) texts << line->text();
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        texts << widget->toolTip() << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description);
    }
    return texts;
}

// Translated under the pseudo-translation, or not a message at all: digits and signs (the
// multiplication key's "X" among them), and dates in the locale's long format.
bool Bracketed(const QString& line) {
    static const QRegularExpression kDigitsAndSigns(QStringLiteral("^[0-9 ./:+\\-=%X]*$"));
    const QString text = line.trimmed();
    return (text.startsWith('[') && text.endsWith(']')) || kDigitsAndSigns.match(text).hasMatch() ||
           QLocale().toDate(text, QLocale::LongFormat).isValid();
}

const QString kNumberPad = QStringLiteral("Backspace CE C 7 8 9 / sqrt 4 5 6 X % 1 2 3 - 1/x 0 +/- . + =");
const QString kDatePad = QStringLiteral("Backspace CE C 7 8 9 ~/ ~sqrt 4 5 6 Dif ~% 1 2 3 Sub ~1/x 0 +/- / Add =");

}  // namespace

class WindowTests : public QObject {
    Q_OBJECT

    // English, as the program runs in a language it does not ship: the English plural forms only.
    const Translations english_{QLocale::c()};

private slots:
    void startUp() {
        const auto window = OpenWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Morvelin"));
        QCOMPARE(window->lblDisplay->text(), QStringLiteral("0."));
        QCOMPARE(PadText(*window), kNumberPad);
        QVERIFY(window->Option1[0]->isChecked() && window->Label1->text().isEmpty());
        QCOMPARE(window->lblDisplay->alignment(), Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
        QCOMPARE(QApplication::focusWidget(), window->cmdCalc[0]);
        QVERIFY(window->minimumSize() == QSize(504, 328) && window->maximumSize() == QSize(504, 328));
        QVERIFY(!window->windowFlags().testAnyFlags(Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint));
        QVERIFY(!window->windowIcon().isNull() && !window->Frame1->styleSheet().isEmpty());
        // Indexes outside the arrays change nothing.
        for (const int index : {-1, 23}) window->cmdCalc_Click(index);
        for (const int index : {-1, 3}) window->Option1_Click(index);
        QVERIFY(window->lblDisplay->text() == "0." && window->Option1[0]->isChecked() &&
                window->Label1->text().isEmpty());
        const QRect screen = window->screen()->geometry(), outer = window->frameGeometry();
        QVERIFY(qAbs(2 * outer.left() + outer.width() - 2 * screen.left() - screen.width()) <= 1);
        QVERIFY(qAbs(2 * outer.top() + outer.height() - 2 * screen.top() - screen.height()) <= 1);
    }

    // Five rows of keys 33 px high, indexes running left to right and top to bottom without
    // overlapping, every row ending with the display and the frame at 329 px (4935 twips).
    void layout() {
        const auto window = OpenWindow();
        QCOMPARE(window->lblDisplay->geometry(), QRect(16, 8, 313, 35));
        QCOMPARE(window->Frame1->geometry(), QRect(16, 56, 313, 49));
        QCOMPARE(window->cmdCalc[0]->geometry(), QRect(12, 120, 101, 33));
        QCOMPARE(window->Label1->geometry(), QRect(414, 8, 5, 13));
        QList<int> rowTops;
        for (std::size_t i = 0; i < window->cmdCalc.size(); ++i) {
            const QRect key = window->cmdCalc[i]->geometry();
            const QRect before = i > 0 ? window->cmdCalc[i - 1]->geometry() : QRect();
            const bool rowStarts = i == 0 || key.top() != before.top();
            if (rowStarts) rowTops << key.top();
            QVERIFY(key.height() == 33 && (rowStarts ? key.left() == 12 : key.left() > before.right()));
            if (i == 22 || window->cmdCalc[i + 1]->y() != key.top()) QCOMPARE(key.right(), 328);
        }
        QCOMPARE(rowTops, (QList<int>{120, 160, 196, 232, 268}));
        for (std::size_t i = 1; i < 3; ++i) {
            const QRect option = window->Option1[i]->geometry(), before = window->Option1[i - 1]->geometry();
            QVERIFY(option.top() == 16 && option.size() == QSize(81, 17) && option.left() > before.right());
        }
    }

    // Clicks from start-up: the display, the pad and the selected mode; a switch keeps the
    // computation, and one to Number shows "0." while the entry lives on.
    void clicks() {
        const std::tuple<const char*, const char*, QString, std::size_t> rows[] = {
            {"1 2 [Date]", "12", kDatePad, 1},
            {"1 2 [Date] [Time]", "12", QString(kDatePad).replace(" / Add", " : Add"), 2},
            {"1 2 [Date] [Time] [Number]", "0.", kNumberPad, 0},
            {"5 + [Date] 1 [Number] 3 =", "18", kNumberPad, 0}};
        for (const auto& [keys, display, pad, option] : rows) {
            const auto window = OpenWindow();
            QVERIFY2(ClickKeys(*window, QLatin1String(keys)), keys);
            QCOMPARE(window->lblDisplay->text(), QLatin1String(display));
            QVERIFY2(PadText(*window) == pad && window->Option1[option]->isChecked(), keys);
        }
    }

    // Each help text shown whole with line breaks for its carriage returns, centred about 6247.5
    // twips below a top of 120.
    void helpTexts() {
        const auto window = OpenWindow();
        for (const std::string_view mode : {kDateMode, kTimeMode}) {
            QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(QLatin1String(mode))));
            QCOMPARE(window->Label1->text(), HelpText(mode).replace('\r', '\n'));
            QVERIFY(window->Label1->text().startsWith(QLatin1String(mode) + " Format "));
            const QRect box = window->Label1->geometry();
            QVERIFY(box.top() == 8 && box.bottom() < 328 && qAbs(box.left() + box.width() / 2.0 - 416.5) <= 1);
            QCOMPARE(window->Label1->alignment(), Qt::AlignHCenter | Qt::AlignTop);
            QVERIFY(box.height() >= 22 * QFontMetrics(window->Label1->font()).height());
        }
        QCOMPARE(HelpText(kDateMode).size() + HelpText(kTimeMode).size(), 166 + 155);
        QVERIFY(ClickKeys(*window, QStringLiteral("[Number]")));
        QCOMPARE(window->Label1->geometry(), QRect(414, 8, 5, 13));
    }

    // Real key events, with a pad key or the display ("|" first) focused: a shortcut is seen
    // before the focused control and used up. Typed on the main keyboard, or on the keypad. The
    // locale decides what a typed "," is; "." and the keypad's "/" type the mode's separator.
    void keys() {
        const std::tuple<const char*, const char*, const char*, bool, const char*> rows[] = {
            {"C", "", "|1234567890\b", false, "123456789"},
            {"C", "2 + 3", "|\r", false, "5"},
            {"C", "", "6*7-2/4+1.5=", false, "11.5"},
            {"C", "", "6*7-2/4+1,5=", true, "11.5"},
            {"C", "", "9s+16S=x2X3=", false, "42"},
            {"C", "", "50+10P=p", false, "30.25"},
            {"C", "", "4r+2R=", false, "0.75"},
            {"C", "", "200+10%=", false, "220"},
            {"C", "", "6\u00d77\u22122\u00f74\u20131=", false, "9"},
            {"C", "", "\u0661\u066b\u0665+\u06f2\u0967=", false, "22.5"},
            {"C", "[Date]", "\u0661\u0661/\u0660\u0665/\u0662\u0660\u0660\u0660", false, "11/05/2000"},
            {"C", "", "5+3\0332+34\1775=", false, "7"},
            {"C", "[Date]", "10.05.2000*9.10.2011\r", false, "11 Years: 4 Months: 29 Days"},
            {"C", "[Time] 9", "|sprSPR:1", false, "9:1"},
            {"de_DE", "", "1,5+1=", false, "2.5"},
            {"fr_FR", "", "1,5+1=", false, "2.5"},
            {"en_US", "", "|1,5", false, "15"},
            {"C", "[Date]", "11/05", true, "11/05"},
            {"C", "[Time]", "14.30.00", false, "14:30:00"},
            {"C", "[Date]", "|,", false, "0.,"}};
        for (const auto& [locale, clicked, typed, keypad, shown] : rows) {
            QLocale::setDefault(QLocale(QLatin1String(locale)));
            const auto window = OpenWindow();
            QVERIFY(ClickKeys(*window, QLatin1String(clicked)));
            const bool inDisplay = typed[0] == '|';
            if (inDisplay) window->lblDisplay->setFocus(Qt::MouseFocusReason);
            TypeText(*window, QString::fromUtf8(typed + (inDisplay ? 1 : 0)), keypad);
            QCOMPARE(window->lblDisplay->text(), QLatin1String(shown));
        }
        QLocale::setDefault(QLocale::c());
        // A layout that types "*" with Shift+8; digit keys without text; a key Qt cannot name.
        const auto window = OpenWindow();
        TypeText(*window, QStringLiteral("6"));
        PressKey(*window, Qt::Key_8, Qt::ShiftModifier, QStringLiteral("*"));
        for (const int key : {int(Qt::Key_9), int(Qt::Key_0), 0}) PressKey(*window, key, Qt::KeypadModifier);
        TypeText(*window, QStringLiteral("="));
        QCOMPARE(window->lblDisplay->text(), QStringLiteral("540"));
    }

    // Today's date or the time now in place of the entry: "T" or "t" typed, the display focused
    // ("|") or not; Ctrl+; ("^"), with Shift too ("^+"); or the display's menu, which offers it in
    // the user's language with the shortcut ("menu:" and the last item). Refused in Number mode and
    // while a period is typed.
    void typeNow() {
        const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
            {"C", "[Date] 11/05", "T", "07/12/2026"},
            {"C", "[Date] 11/05/2000 Dif", "|t=", "26 Years: 6 Months: 26 Days"},
            {"C", "[Date]", "TX^", "07/12/2026"},
            {"C", "[Time] 9", "^", "14:03:27"},
            {"C", "[Time] 11:00 Dif", "^+", "14:03:27"},
            {"C", "[Time] 11:00 Add", "T^", "11:00:00"},
            {"C", "5", "T^", "5"},
            {"C", "[Date] 11/05", "menu:Today|Ctrl+;|on", "07/12/2026"},
            {"C", "[Time] 11:00 Dif", "menu:Now|Ctrl+;|on", "14:03:27"},
            {"C", "[Date] 11/05/2000 Sub", "menu:Today|Ctrl+;|off", "11/05/2000"},
            {"C", "5", "menu:", "5"},
            {"de", "[Date] 1", "menu:Heute|Strg+;|on", "07/12/2026"}};
        for (const auto& [language, clicked, typed, shown] : rows) {
            const Translations translations{QLocale(QLatin1String(language))};
            const auto window = OpenWindow();
            QVERIFY(ClickKeys(*window, QLatin1String(clicked)));
            const QString how = QString::fromUtf8(typed);
            if (how.startsWith(QLatin1String("menu:"))) {
                const std::unique_ptr<QMenu> menu(window->DisplayMenu());
                QAction* last = menu->actions().constLast();
                const bool ours = last->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Semicolon);
                const QString item = QStringList{last->text(), last->shortcut().toString(QKeySequence::NativeText),
                                                 last->isEnabled() ? "on" : "off"}
                                         .join('|');
                QCOMPARE(ours ? item : QString(), how.mid(5));
                if (ours) last->trigger();
            } else {
                if (how.startsWith('|')) window->lblDisplay->setFocus(Qt::MouseFocusReason);
                TypeText(*window, how.section('^', 0, 0).remove('|'));
                const Qt::KeyboardModifiers shift = how.endsWith('+') ? Qt::ShiftModifier : Qt::NoModifier;
                if (how.contains('^')) PressKey(*window, Qt::Key_Semicolon, Qt::ControlModifier | shift);
            }
            QCOMPARE(window->lblDisplay->text(), QLatin1String(shown));
        }
    }

    // A date on show counts from the day it is read on: past midnight, today becomes yesterday in
    // the description and the tooltip alike, without a key pressed.
    void factsWordedWhenAsked() {
        const auto window = OpenWindow();
        window->Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)); };
        QVERIFY(ClickKeys(*window, QStringLiteral("[Date] 7/12/2026")));
        QAccessibleInterface* display = QAccessible::queryAccessibleInterface(window->lblDisplay);
        QCOMPARE(display->text(QAccessible::Description).section('\n', 1, 1), QStringLiteral("today"));
        window->Now = [] { return QDateTime(QDate(2026, 12, 8), QTime(0, 0, 1)); };
        QCOMPARE(display->text(QAccessible::Description).section('\n', 1, 1), QStringLiteral("yesterday"));
        QCOMPARE(ToolTipShown(*window).section('\n', 1, 1), QStringLiteral("yesterday"));
        // The display is still a text box to assistive technology.
        QCOMPARE(display->role(), QAccessible::EditableText);
        QAccessibleTextInterface* text = display->textInterface();
        QVERIFY(text != nullptr && display->editableTextInterface() != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("7/12/2026"));
        QCOMPARE(display->text(QAccessible::Value), QStringLiteral("7/12/2026"));
    }

    // By index, the disabled keys skipped, then the option group, the display and round again.
    void tabOrder() {
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("[Date]")));
        std::vector<QWidget*> expected;
        for (QPushButton* key : window->cmdCalc) {
            if (key->isEnabled() && key != window->cmdCalc[0]) expected.push_back(key);
        }
        expected.insert(expected.end(), {window->Option1[1], window->lblDisplay, window->cmdCalc[0]});
        window->cmdCalc[0]->setFocus(Qt::TabFocusReason);
        for (QWidget* next : expected) {
            PressKey(*window, Qt::Key_Tab, {}, QStringLiteral("\t"));
            QCOMPARE(window->focusWidget(), next);
        }
    }

    // Ctrl+V (odd lengths) and Shift+Insert type the clipboard into the pad and write the
    // display once; "|" first pastes inside the display, the text box's own way. A clipboard
    // without text reads as an empty one.
    void paste() {
        const std::tuple<const char*, QString, QString> rows[] = {
            {"", QStringLiteral("c1\0002"), QStringLiteral("0.")},
            {"", QStringLiteral(" 2+3\r\n+1\r=\n "), QStringLiteral("6")},
            {"[Date] 11/05/2000 Dif", QStringLiteral("Monday, 12 May 2003="),
             QStringLiteral("3 Years: 0 Months: 1 Days")},
            {"[Time] 11:05:20 Add", QStringLiteral("2:30="), QStringLiteral("13:35:20")},
            {"7", QStringLiteral("5"), QStringLiteral("5")},
            {"7", QStringLiteral("+5="), QStringLiteral("12")},
            {"[Time]", QStringLiteral("11:05:20*19:10:23="), QStringLiteral("8 Hours: 5 Minutes: 3 Seconds ")},
            {"", QString(1000, u'7'), QString(1000, u'7')},
            {"5", QString(1001, u'7'), QStringLiteral("5")},
            {"5", QString(), QStringLiteral("5")},
            {"|5", QStringLiteral("12"), QStringLiteral("512")}};
        for (const auto& [clicked, clipboard, shown] : rows) {
            const auto window = OpenWindow();
            QVERIFY(ClickKeys(*window, QLatin1String(clicked).mid(clicked[0] == '|' ? 1 : 0)));
            if (clicked[0] == '|') window->lblDisplay->setFocus(Qt::MouseFocusReason);
            QGuiApplication::clipboard()->setText(clipboard);
            const QSignalSpy writes(window->lblDisplay, &QLineEdit::textChanged);
            const bool odd = clipboard.size() % 2 == 1;
            PressKey(*window, odd ? Qt::Key_V : Qt::Key_Insert, odd ? Qt::ControlModifier : Qt::ShiftModifier);
            QVERIFY2(window->lblDisplay->text() == shown && writes.size() <= 1,
                     qPrintable(clipboard.left(20) + " shows " + window->lblDisplay->text().left(40)));
        }
    }

    // Ctrl+C and Ctrl+Insert copy the display as shown, trimmed, the focus staying put (inside the
    // display the text box's own copy stays, as the paste rows show). What the window copied pastes
    // back as the same value in any mode, in the display's notation whatever the locale's: "1.234"
    // in German too, which pasted from elsewhere is refused.
    void copy() {
        const std::tuple<const char*, const char*, int, const char*, const char*> rows[] = {
            {"C", "", Qt::Key_C, "0.", "0."},
            {"C", "2 + 3 =", Qt::Key_Insert, "5", "5"},
            {"C", "[Time] 11:05:20 Dif 19:10:23 =", Qt::Key_C, "8 Hours: 5 Minutes: 3 Seconds", nullptr},
            {"C", "[Date] Dif", Qt::Key_C, "Error! Wrong Date format", nullptr},
            {"de_DE", "1.234", Qt::Key_C, "1.234", "1.234"},
            {"de_DE", "1 / 3 =", Qt::Key_C, "0.3333333333333", "0.3333333333333"},
            {"fr_FR", "2 +/-", Qt::Key_Insert, "-2", "-2"},
            {"en_US", "[Date] 11/05/2000 Add 1/0/0 =", Qt::Key_C, "12/05/2000", "12/05/2000"},
            {"en_US", "[Time] 23:00 Add 2:0 =", Qt::Key_C, "01:00:00", "01:00:00"}};
        for (const auto& [locale, keys, key, copied, pasted] : rows) {
            QLocale::setDefault(QLocale(QLatin1String(locale)));
            const auto window = OpenWindow();
            QVERIFY(ClickKeys(*window, QLatin1String(keys)));
            QWidget* focus = window->focusWidget();
            PressKey(*window, key, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QLatin1String(copied));
            QVERIFY(window->focusWidget() == focus && window->lblDisplay->text().trimmed() == copied);
            if (pasted == nullptr) continue;
            QVERIFY(ClickKeys(*window, QStringLiteral("C")));
            PressKey(*window, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(window->lblDisplay->text(), QLatin1String(pasted));
        }
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const auto window = OpenWindow();
        QGuiApplication::clipboard()->setText(QStringLiteral("1.234"));
        PressKey(*window, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->lblDisplay->text(), QStringLiteral("0."));
        QLocale::setDefault(QLocale::c());
    }

    // Names and descriptions follow the mode. What the engine tells of the text on show is the
    // display's tooltip and description, in the user's language with its dates and numbers (English
    // where it is not shipped), until the display shows something else; otherwise the description
    // is the mode's and there is no tooltip.
    void accessibility() {
        const std::tuple<const char*, const char*, int, const char*> rows[] = {
            {"C", "", 0, "Backspace|Deletes the last character of the entry"},
            {"C", "[Date]", 20, "Date separator|Types the slash between day, month and year"},
            {"C", "[Date]", 6, "Divide|Not available in this mode"},
            {"C", "", 24, "Date|Calculates with dates, typed dd/mm/yyyy"},
            {"C", "2 + 3 =", -1, "Result|The number being typed, or the result"},
            {"en_GB", "[Date] 11/05/2000 Dif 9/10/2011 = [Time]", -1,
             "Result|Thursday, 11 May 2000 to Sunday, 9 October 2011\n"
             "4,168 days\n595 weeks and 3 days\n2,977 weekdays\n"
             "Thursday, 11 May 2000: 9,706 days ago (26 years, 6 months and 26 days ago); week 19, day 132 of 366\n"
             "Sunday, 9 October 2011: 5,538 days ago (15 years, 1 month and 28 days ago); week 40, day 282 of 365"},
            {"de_DE", "[Date] 11/05/2000 Add 01/00/03 =", -1,
             "Ergebnis|Montag, 12. Mai 2003\n1 Tag, 0 Monate und 3 Jahre addiert\n"
             "vor 8.610 Tagen (vor 23 Jahren, 6 Monaten und 25 Tagen)\nKalenderwoche 20, Tag 132 von 365"},
            {"en_GB", "[Date] 11/05/2000 Add 10", -1, "Result|10 years"},
            {"en_GB", "[Date] 11/05/2000 Add 0/6", -1, "Result|0 days, 0 months and 6 years"},
            {"en_GB", "[Time] 11:05:20 Add 2:30", -1, "Result|2 hours, 0 minutes and 30 seconds"},
            {"de_DE", "[Time] 11:05:20 Sub 1000", -1, "Ergebnis|1.000 Sekunden"},
            {"sv_SE", "[Time] 11:05:20 Sub 1000", -1, "Result|1\u00a0000 seconds"},
            {"en_GB", "[Date] 9/10/2011 1", -1, "Result|The date or period being typed, or the result"},
            {"de_DE", "[Time] 11:05:20 Dif 19:10:23 =", -1, "Ergebnis|8,084 Stunden\n29.103 Sekunden"},
            {"en_GB", "[Time] 23:00:00 Add 02:00:00 =", -1, "Result|2 hours, 0 minutes and 0 seconds added\nnext day"},
            {"en_GB", "[Time] 10:00:00 Add 240:0:1 =", -1,
             "Result|240 hours, 0 minutes and 1 second added\n10 days later"},
            {"en_GB", "[Time] 2:00 Sub 48:0:0 =", -1,
             "Result|48 hours, 0 minutes and 0 seconds subtracted\n2 days earlier"},
            // More seconds than Qt's plural forms count, written whole.
            {"en_GB", "[Date] 11/05/2000 [Time] Dif 19:00 =", -1, "Result|879,749.000 hours\n3,167,096,400 seconds"}};

        for (const auto& [locale, keys, control, expected] : rows) {
            const Translations translations{QLocale(QLatin1String(locale))};
            const auto window = OpenWindow(translations.Locale());
            QVERIFY(ClickKeys(*window, QLatin1String(keys)));
            QWidget* widget = control < 0    ? static_cast<QWidget*>(window->lblDisplay)
                              : control < 23 ? static_cast<QWidget*>(window->cmdCalc.at(std::size_t(control)))
                                             : window->Option1.at(std::size_t(control - 23));
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            const QString described =
                accessible->text(QAccessible::Name) + '|' + accessible->text(QAccessible::Description);
            QCOMPARE(described, QString::fromUtf8(expected));
            const bool told = control < 0 && !described.endsWith(QLatin1String("or the result"));
            QCOMPARE(ToolTipShown(*window), told ? described.section('|', 1) : QString());
            // Gone with the next text on the display.
            QVERIFY(ClickKeys(*window, QStringLiteral("C")) && ToolTipShown(*window).isEmpty());
            const QString after = accessible->text(QAccessible::Description);
            QVERIFY2(!told || (!after.isEmpty() && after != described.section('|', 1)), qPrintable(after));
        }
    }

    // One language a window, the user's: Portuguese for Portugal, a difference edited in German
    // and Japanese. Arabic, Hebrew and Persian words run right to left, the options from the right;
    // the engine's digits on the display left to right, and the keypad in every language, painted
    // so whatever the application's direction ("1/x", not "x/1").
    void usersLanguage() {
        const std::tuple<const char*, QString, const char*> rows[] = {
            // Brazil's messages, counted by Portugal's grammar: none is plural there.
            {"pt_PT", "[Date] 1/1/2000 Dif 8/1/2000 =", "0 anos: 0 meses: 7 dias"},
            {"pt_BR", "[Date] 1/1/2000 Dif 8/1/2000 =", "0 ano: 0 mês: 7 dias"},
            // Backspace and a separator edit what the user sees; the engine's rule decides.
            {"de_DE", "[Date] 11/05/2000 Dif 9/10/2011 = Backspace Backspace", "11 Jahre: 4 Monate: 28 Ta"},
            {"de_DE", "[Date] 11/05/2000 Dif 9/10/2011 = Backspace /", "11 Jahre: 4 Monate: 28 Tag/"},
            {"de_DE", "[Date] 1/1/2000 Dif 8/1/2000 = Backspace", "0 Jahre: 0 Monate: 7 Tage"},
            {"de_DE", "[Date] 11/05/2000 Dif 9/10/2011 = Backspace 5", "5"},
            {"de_DE", "[Time] 11:05:20 Dif 19:10:23 = Backspace Backspace", "8 Std.: 5 Min.: 3 Sek"},
            {"ja_JP", "[Date] 11/05/2000 Dif 9/10/2011 = Backspace Backspace", "11年4か月2"},
            // Shown emptied before the engine's English is down to "1": the digit after it starts afresh.
            {"ja_JP", "[Date] 11/05/2000 Dif 9/10/2011 =" + QString(" Backspace").repeated(26) + " 1", "1"},
            {"ar_EG", "[Date] 11/05/2000 Dif 9/10/2011 = Backspace", nullptr},
            {"he_IL", "[Time] 11:05:20 Dif 19:10:23 =", nullptr},
            {"fa_IR", "[Date] Dif", nullptr},
            {"fa_IR", "[Date] 11/05/2000 Dif 9/10/2011 = 5 +/-", "5"}};
        for (const auto& [locale, keys, display] : rows) {
            const Translations translations{QLocale(QLatin1String(locale))};
            QVERIFY2(!translations.Language().isEmpty(), locale);
            const auto window = OpenWindow(translations.Locale());
            QVERIFY(ClickKeys(*window, keys));
            const QString shown = window->lblDisplay->text();
            const bool rightToLeft = translations.Locale().textDirection() == Qt::RightToLeft;
            QVERIFY2(display ? shown == QString::fromUtf8(display) : shown.isRightToLeft() == rightToLeft, locale);
            QCOMPARE(window->lblDisplay->layoutDirection(), shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
            QCOMPARE(window->Label1->layoutDirection(), translations.Locale().textDirection());
            const QList<int> lefts{window->Option1[0]->x(), window->Option1[1]->x(), window->Option1[2]->x()};
            QVERIFY2(rightToLeft ? std::ranges::is_sorted(lefts, std::greater{}) : std::ranges::is_sorted(lefts),
                     locale);
            for (const QPushButton* key : window->cmdCalc) QCOMPARE(key->layoutDirection(), Qt::LeftToRight);
        }
        const auto window = OpenWindow();
        const QImage painted = window->cmdCalc[17]->grab().toImage();
        QApplication::setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(window->cmdCalc[17]->grab().toImage(), painted);
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // Under a pseudo-translation that brackets every message, each text the window shows or tells
    // in each mode, after a computation of each kind, is bracketed line by line, unless it is no
    // message at all (the window's title is the program's name).
    void everyTextTranslated() {
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(MORVELIN_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
        const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&pseudo); });
        const QStringList rows =
            QStringLiteral(
                "|2 + 3 =|1 / 0 =|[Date]|[Date] 11/05/2000 Dif 9/10/2011 =|[Date] 11/05/2000 Add "
                "01/00/03 =|[Date] 11/05/2000 Sub|[Date] Dif|[Time] 11:05:20 Dif 19:10:23 =|[Time] "
                "23:00:00 Add 02:00:00 =|[Time] 10:00:00 Sub 240:0:1 =|[Time] Dif|[Date] [Number]")
                .split('|');
        for (const QString& keys : rows) {
            const auto window = OpenWindow();
            QVERIFY2(ClickKeys(*window, keys), qPrintable(keys));
            QCOMPARE(window->windowTitle(), QStringLiteral("Morvelin"));
            for (const QString& text : WindowTexts(*window)) {
                for (const QString& line : text.split('\n'))
                    QVERIFY2(Bracketed(line), qPrintable(keys + (" | " + line)));
            }
        }
    }

    // In every language shipped, on the window's fonts: each caption fits its key, each mode its
    // option button, the frame's title its frame, the help text its place right of the pad, and
    // the widest differences and the error texts the display.
    void translationsFit() {
        const QStringList languages = ShippedLanguages();
        QVERIFY(languages.size() >= 9);
        for (const QString& language : languages) {
            const Translations translations{QLocale(language)};
            QCOMPARE(translations.Language(), language == QLatin1String("en") ? QString() : language);
            const auto window = OpenWindow(translations.Locale());
            const auto fits = [&](const QWidget* widget, const QString& text, int room) {
                const int width = QFontMetrics(widget->font()).horizontalAdvance(text);
                if (width <= room) return true;
                qWarning("%s: \"%s\" is %d px wide, room for %d", qPrintable(language), qPrintable(text), width, room);
                return false;
            };
            for (const char* mode : {"[Number]", "[Date]", "[Time]"}) {
                QVERIFY(ClickKeys(*window, QLatin1String(mode)));
                for (const QPushButton* key : window->cmdCalc) QVERIFY(fits(key, key->text(), key->width() - 8));
                for (const QRadioButton* option : window->Option1) {
                    QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(language + option->text()));
                }
                // The title starts 8 px in, with 2 px of padding on either side.
                QVERIFY(fits(window->Frame1, window->Frame1->title(), window->Frame1->width() - 20));
                const QRect help = window->Label1->geometry();
                QVERIFY2(help.left() > window->cmdCalc[22]->geometry().right() && help.right() < window->width() &&
                             help.bottom() < window->height(),
                         qPrintable(language));
                QVERIFY(window->Label1->text().isEmpty() ||
                        help.height() >= 22 * QFontMetrics(window->Label1->font()).height());
            }
            // Each plural form, with the widest counts.
            const int room = window->lblDisplay->width() - 12;
            for (const int large : {1, 2, 5, 22, 23, 9899}) {
                for (const int middle : {1, 2, 5, 11, 22, 58}) {
                    for (const int small : {1, 2, 5, 22, 28, 58}) {
                        QVERIFY(fits(window->lblDisplay, DateDifferenceText(large, middle % 12, small % 31), room));
                        QVERIFY(fits(window->lblDisplay, TimeDifferenceText(large % 24, middle, small) + ' ', room));
                    }
                }
            }
            for (const char* error : {"ERROR", "Error! Wrong Date format", "Error! Wrong Time format"}) {
                QVERIFY(fits(window->lblDisplay, DisplayText({error}), room));
            }
        }
    }

    // Under each style with its own palette, and Fusion with a dark one, switched while the window
    // is open: the frame's border against the window beside it and the focused key's marking (the
    // pixels that focus changes) against the key's face contrast at least 3:1.
    void contrast() {
        QCOMPARE(ContrastingColour(Qt::white, Qt::black, Qt::white, 3), QColor(0x909090));
        QCOMPARE(ContrastingColour(Qt::black, Qt::white, Qt::white, 3), QColor(Qt::black));  // contrasts already
        QVERIFY(qAbs(ContrastRatio(QColor(0x00ff00), QColor(0x0000ff)) - 6.2619) < 1e-4);    // the channels' weights
        QPalette dark(QColor(0x353535));
        dark.setColor(QPalette::Highlight, QColor(0x2a82da));
        const auto window = OpenWindow();
        QPushButton* key = window->cmdCalc[0];
        const QRect frame = window->Frame1->geometry();
        for (const QString& theme : QStringLiteral("Fusion Windows Adwaita Adwaita-Dark Fusion+dark").split(' ')) {
            QVERIFY2(QApplication::setStyle(theme.section('+', 0, 0)) != nullptr, qPrintable(theme));
            QApplication::setPalette(theme.contains('+') ? dark : QApplication::style()->standardPalette());
            QCoreApplication::processEvents();  // the palette reaches the widgets by posted events
            // The left edge below the option buttons.
            const QImage shot = window->grab().toImage();
            const double edge = ContrastRatio(shot.pixel(frame.left(), frame.bottom() - 4),
                                              shot.pixel(frame.left() - 4, frame.bottom() - 4));

            const QImage on = key->grab().toImage();
            window->cmdCalc[1]->setFocus();
            const QImage off = key->grab().toImage();
            key->setFocus();
            QList<double> marking;
            for (int y = 0; y < key->height(); ++y)
                for (int x = 0; x < key->width(); ++x)
                    if (on.pixel(x, y) != off.pixel(x, y)) marking << ContrastRatio(on.pixel(x, y), off.pixel(5, 16));
            // Against the face beside the caption: what as many changed pixels as a ring one pixel wide
            // round the key reach at least.
            std::ranges::sort(marking, std::greater{});
            const double ring = marking.value(2 * (key->width() + key->height()) - 5);
            qInfo("%s: frame border %.2f:1, focused key %.2f:1", qPrintable(theme), edge, ring);
            QVERIFY(edge >= kMinimumContrast && ring >= kMinimumContrast);
        }
    }
};

QTEST_MAIN(WindowTests)
#include "window_tests.moc"
