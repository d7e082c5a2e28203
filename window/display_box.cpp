#include "display_box.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QToolTip>

namespace {

// A line edit's accessible, with the description asked of the display at each request. Qt's own
// for a line edit is private to Qt, so the text interfaces are spelled out here over QLineEdit.
class DisplayAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit DisplayAccessible(DisplayBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Box()->text();
        if (kind == QAccessible::Description) return Box()->Description();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind != QAccessible::Value) return QAccessibleWidget::setText(kind, text);
        Box()->setText(text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Box()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text, its cursor and its one selection.
    QString text(int start, int end) const override { return Box()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Box()->text().size()); }
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !Box()->hasSelectedText()) return;
        *start = Box()->selectionStart();
        *end = Box()->selectionEnd();
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { Box()->deselect(); }
    void setSelection(int, int start, int end) override { Box()->setSelection(start, end - start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
    QRect characterRect(int offset) const override { return Box()->CharacterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override {
        return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { Box()->setCursorPosition(start); }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        Box()->setText(Box()->text().replace(start, end - start, text));
    }

private:
    DisplayBox* Box() const { return static_cast<DisplayBox*>(widget()); }
};

QAccessibleInterface* DisplayAccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("DisplayBox") || !object->isWidgetType()) return nullptr;
    return new DisplayAccessible(static_cast<DisplayBox*>(object));
}

}  // namespace

DisplayBox::DisplayBox(QWidget* parent) : QLineEdit(parent) {
    // Qt keeps a factory installed twice only once.
    QAccessible::installFactory(&DisplayAccessibleFactory);
}

QString DisplayBox::Description() const {
    const QString facts = Facts ? Facts() : QString();
    return facts.isEmpty() ? accessibleDescription() : facts;
}

QRect DisplayBox::CharacterRect(int offset) const {
    const QString shown = text();
    if (offset < 0 || offset >= shown.size()) return {};
    // Measured from the cursor, wherever the text is scrolled to.
    const QFontMetrics metrics(font());
    const int left = cursorRect().center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                     metrics.horizontalAdvance(shown.left(cursorPosition()));
    const QRect character(left, cursorRect().top(), metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return character.translated(mapToGlobal(QPoint(0, 0)));
}

bool DisplayBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QLineEdit::event(event);
    const QString facts = Facts ? Facts() : QString();
    if (facts.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), facts, this);
    }
    return true;
}
