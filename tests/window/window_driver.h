#pragma once

#include "frm_zorvane.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include <memory>

// A shown and active window: focus and arrow-key navigation need an active window.
inline std::unique_ptr<frmZorvane> OpenWindow() {
    auto window = std::make_unique<frmZorvane>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    return window;
}

inline QString DisplayText(const frmZorvane& window) { return window.lblDisplay->text(); }

inline QPushButton* EnabledButton(const frmZorvane& window, const QString& caption) {
    for (QPushButton* button : window.cmdCalc) {
        if (button->isEnabled() && button->text() == caption) return button;
    }
    return nullptr;
}

inline QRadioButton* Option(const frmZorvane& window, const QString& caption) {
    for (QRadioButton* option : window.Option1) {
        if (option->text() == caption) return option;
    }
    return nullptr;
}

// Keys separated by blanks, clicked with the mouse: "[Date]" selects a mode, a word that is an
// enabled button's caption clicks that button, any other word is clicked character by
// character. False if some key has no enabled button.
inline bool ClickKeys(frmZorvane& window, const QString& keys) {
    for (const QString& word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('[')) && word.endsWith(QLatin1Char(']'))) {
            QRadioButton* option = Option(window, word.mid(1, word.size() - 2));
            if (option == nullptr) return false;
            // On the indicator, which every style counts as part of the button.
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            continue;
        }
        QStringList presses{word};
        if (EnabledButton(window, word) == nullptr) {
            presses.clear();
            for (const QChar c : word) presses << QString(c);
        }
        for (const QString& caption : presses) {
            QPushButton* button = EnabledButton(window, caption);
            if (button == nullptr) return false;
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    return true;
}

// One key press and release, delivered where the platform would: to the focused control.
inline void PressKey(frmZorvane& window, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, modifiers);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(key), text, modifiers);
}

// Qt's key code for a typed character: its upper-case code point for printable Latin-1, and the
// editing keys for the control characters Qt reports as their text.
inline int KeyOf(QChar c) {
    switch (c.unicode()) {
        case u'\r':
            return Qt::Key_Return;
        case u'\b':
            return Qt::Key_Backspace;
        case u'\x1b':
            return Qt::Key_Escape;
        case u'\x7f':
            return Qt::Key_Delete;
        default:
            return c.toUpper().unicode();
    }
}

// Types each character on the main keyboard, or on the keypad.
inline void TypeText(frmZorvane& window, const QString& text, bool keypad = false) {
    for (const QChar c : text) {
        PressKey(window, KeyOf(c), keypad ? Qt::KeypadModifier : Qt::NoModifier, QString(c));
    }
}
