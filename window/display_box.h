#pragma once

#include <QLineEdit>

#include <functional>

// The display: a text box whose tooltip and accessible description tell what its text means,
// worded at the moment they are asked for, so that a date on show is told from the day it is
// read on, in a window left open past midnight too. Nothing rewords them in between.
class DisplayBox : public QLineEdit {
    Q_OBJECT

public:
    explicit DisplayBox(QWidget* parent);

    // What the text on show means, worded when called; empty for nothing to tell.
    std::function<QString()> Facts;

    // The facts, or where there are none the description set on the widget (the mode's).
    QString Description() const;
    // Where the character at `offset` is drawn, in global coordinates; empty past the text.
    QRect CharacterRect(int offset) const;

protected:
    bool event(QEvent* event) override;
};
