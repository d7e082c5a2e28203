#pragma once

#include "frm_zorvane.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <memory>

// A shown and active window: focus and arrow-key navigation need an active window.
inline std::unique_ptr<frmZorvane> OpenWindow() {
    auto window = std::make_unique<frmZorvane>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    return window;
}

// The pad's captions in index order, a disabled key marked "~".
inline QString PadText(const frmZorvane& window) {
    QStringList captions;
    for (const QPushButton* key : window.cmdCalc) captions << (key->isEnabled() ? "" : "~") + key->text();
    return captions.join(' ');
}

inline QAbstractButton* Find(const auto& buttons, const QString& caption) {
    const auto found = std::ranges::find_if(buttons, [&](auto* b) { return b->isEnabled() && b->text() == caption; });
    return found != buttons.end() ? *found : nullptr;
}

// Keys separated by blanks, clicked with the mouse: "[Date]" selects a mode, a word that is an
// enabled button's caption clicks that button, any other word is clicked character by
// character. False if some key has no enabled button.
inline bool ClickKeys(frmZorvane& window, const QString& keys) {
    for (const QString& word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('['))) {
            QAbstractButton* option = Find(window.Option1, word.mid(1, word.size() - 2));
            if (option == nullptr) return false;
            // On the indicator, which every style counts as part of the button.
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            continue;
        }
        const bool whole = Find(window.cmdCalc, word) != nullptr;
        for (const QString& caption : whole ? QStringList{word} : word.split(QString(), Qt::SkipEmptyParts)) {
            QAbstractButton* button = Find(window.cmdCalc, caption);
            if (button == nullptr) return false;
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    return true;
}

// One key press and release, delivered where the platform would: to the focused control.
inline void PressKey(frmZorvane& window, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, modifiers);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(key), text, modifiers);
}

// Types each character on the main keyboard, or on the keypad, with Qt's key code for it: the
// upper-case code point, or the editing key for a control character.
inline void TypeText(frmZorvane& window, const QString& text, bool keypad = false) {
    constexpr std::array<int, 4> kEditingKeys{Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Delete};
    for (const QChar c : text) {
        const auto editing = static_cast<std::size_t>(QStringLiteral("\r\b\x1b\x7f").indexOf(c));
        const int key = editing < kEditingKeys.size() ? kEditingKeys[editing] : c.toUpper().unicode();
        PressKey(window, key, keypad ? Qt::KeypadModifier : Qt::NoModifier, QString(c));
    }
}
