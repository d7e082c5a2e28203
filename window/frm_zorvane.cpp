#include "frm_zorvane.h"

#include "accessible_names.h"
#include "accessible_window.h"
#include "contrast.h"
#include "display_box.h"
#include "facts_text.h"
#include "fonts.h"
#include "frame_watch.h"
#include "geometry.h"
#include "icon.h"
#include "key_map.h"
#include "layout.h"
#include "pad_key.h"
#include "paste_reader.h"
#include "wording.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr std::array<std::string_view, 3> kOptionModes{kNumberMode, kDateMode, kTimeMode};
static_assert(std::ranges::equal(kOptionModes, kAccessibleModes, {}, {}, &AccessibleMode::Mode));
// The same names as the buttons show them, translated; the engine knows the modes by the English.
constexpr std::array<std::string_view, 3> kOptionCaptions{
    //: A mode button, about 75 pixels wide.
    QT_TRANSLATE_NOOP("frmZorvane", "Number"),
    QT_TRANSLATE_NOOP("frmZorvane", "Date"),
    QT_TRANSLATE_NOOP("frmZorvane", "Time"),
};
static_assert(kOptionCaptions == kOptionModes);

// Longer clipboards are refused whole: a document pasted by mistake, not a value.
constexpr qsizetype kLongestPaste = 1000;

int TwipsToWholePixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// The letter shortcuts. On a non-Latin layout the key types another letter; Qt's shortcut
// matching still finds the Latin letter of the same key.
constexpr std::array<char16_t, 5> kShortcutLetters{u'X', u'S', u'P', u'R', u'T'};

// The shortcut the display's menu shows for "Today" and "Now"; "T" types them too.
const QKeySequence kNowShortcut(Qt::CTRL | Qt::Key_Semicolon);

// A year the calendar cannot hold stays one it cannot hold: the engine refuses it and tells no
// distance from it.
std::chrono::year_month_day CalendarDate(QDate date) {
    using namespace std::chrono;
    return {year{std::clamp(date.year(), 0, 10000)}, month{static_cast<unsigned>(date.month())},
            day{static_cast<unsigned>(date.day())}};
}

DateTime CalendarMoment(const QDateTime& moment) {
    return DateTime{std::chrono::sys_days{CalendarDate(moment.date())} +
                    std::chrono::seconds{moment.time().msecsSinceStartOfDay() / 1000}};
}

// A letter of a non-Latin layout, typed without Ctrl, Alt or Meta.
bool IsForeignLetter(const QKeyEvent& key) {
    const bool plain = (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    return plain && key.text().size() == 1 && key.text().front().isLetter() && key.text().front().unicode() > 0x7f;
}

}  // namespace

frmZorvane::frmZorvane(const QLocale& language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      language_(language) {
    AnnounceFrmZorvaneAsWindow();
    setWindowTitle(QStringLiteral("Morvelin"));
    setWindowIcon(MorvelinWindowIcon());
    setFont(WindowFont(language_));
    setFixedSize(ToPixels(kClientWidth), ToPixels(kClientHeight));

    lblDisplay = new DisplayBox(this);
    lblDisplay->setGeometry(ToPixels(kDisplayRect));
    lblDisplay->setFont(DisplayFont(language_));
    // Right in either direction: the display's numbers stand where a calculator's do.
    lblDisplay->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    lblDisplay->setAccessibleName(Translated("AccessibleMode", kDisplayName));
    lblDisplay->Facts = [this] { return DisplayFactsText(); };
    lblDisplay->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lblDisplay, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = DisplayMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(lblDisplay->mapToGlobal(at));
    });

    //: The caption of the frame round the three mode buttons ("Mode").
    Frame1 = new QGroupBox(tr("Modul"), this);
    Frame1->setGeometry(ToPixels(kFrameRect));
    Frame1->setFont(FrameFont(language_));
    StyleFrame();

    optionGroup_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        Option1[slot] = new QRadioButton(Translated("frmZorvane", kOptionCaptions[slot]), Frame1);
        // Set explicitly, or the buttons would inherit the frame's bold caption font.
        Option1[slot]->setFont(WindowFont(language_));
        Option1[slot]->setAccessibleDescription(Translated("AccessibleMode", kAccessibleModes[slot].OptionDescription));
        optionGroup_->addButton(Option1[slot], i);
    }
    Option1[0]->setChecked(true);
    // Every control inherits it but the keys, which keep left to right. Set once the options
    // exist: a change of direction places them again (changeEvent).
    setLayoutDirection(language_.textDirection());
    PlaceOptions();
    // On a change of selection only, by mouse, Space or arrow keys alike; re-selecting the
    // selected button changes nothing.
    connect(optionGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) Option1_Click(id);
    });

    for (int i = 0; i < static_cast<int>(kKeyCount); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        auto* button = new PadKey(KeyCaption(kKeyTable[slot].Number), this);
        button->setGeometry(ToPixels(kPadRects[slot]));
        button->setFont(PadFont(language_));
        // A calculator's keypad reads left to right in every language: "1/x" and "+/-" too.
        button->setLayoutDirection(Qt::LeftToRight);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdCalc_Click(i); });
        cmdCalc[slot] = button;
    }

    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setGeometry(ToPixels(kLabelEmptyRect));

    // Tab stops: the pad, then the option group (Qt lets only its selected button take Tab
    // focus), then the display.
    QWidget* previous = cmdCalc[0];
    for (std::size_t i = 1; i < cmdCalc.size(); ++i) {
        setTabOrder(previous, cmdCalc[i]);
        previous = cmdCalc[i];
    }
    for (QRadioButton* option : Option1) {
        setTabOrder(previous, option);
        previous = option;
    }
    setTabOrder(previous, lblDisplay);

    AddLetterShortcuts();
    qApp->installEventFilter(this);

    Form_Load();
    cmdCalc[0]->setFocus(Qt::OtherFocusReason);
}

frmZorvane::~frmZorvane() { qApp->removeEventFilter(this); }

void frmZorvane::StyleFrame() {
    // The caption sits in the top border line. Fusion draws the border below the caption, where
    // the option buttons, 240 twips from the frame's top, would straddle it.
    Frame1->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid %1; border-radius: 2px; margin-top: 6px; }"
                                         "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0px 2px; }")
                              .arg(FrameBorderColour(palette()).name()));
}

void frmZorvane::PlaceOptions() {
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i]->setGeometry(QStyle::visualRect(layoutDirection(), Frame1->rect(), ToPixels(kOptionRects[i])));
    }
}

void frmZorvane::changeEvent(QEvent* event) {
    // A theme switched while the program runs: the border's colour follows the new palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) StyleFrame();
    if (event->type() == QEvent::LayoutDirectionChange) PlaceOptions();
    QWidget::changeEvent(event);
}

void frmZorvane::Form_Load() {
    (void)winId();
    CentreOuterFrame();
    // Placed again, once, when a window manager's frame turns out to differ from the one used.
    WatchFirstFrame(*windowHandle(), [this] { CentreOuterFrame(); });

    engine_.ApplyMode(kNumberMode);
    MirrorKeys();
    ShowDisplay(QStringLiteral("0."));
}

void frmZorvane::CentreOuterFrame() {
    // The client size plus the decoration as far as the platform knows it: under X11 nothing
    // until a window manager has framed the mapped window.
    const QMargins frame = windowHandle()->frameMargins();
    const QSize outer = size().grownBy(frame);

    const QScreen* target = screen();
    const QRect screenArea = target->geometry();
    const Placement placement =
        CentredPlacement(screenArea.width() * kTwipsPerPixel, screenArea.height() * kTwipsPerPixel,
                         outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    // Top before Left; Qt places a window on whole logical pixels, so the half twip goes here. The
    // client is placed inside the frame, not through move(): QWidget's copy of the frame can lag
    // behind the platform's just after mapping.
    QRect client = geometry();
    client.moveTop(screenArea.top() + TwipsToWholePixels(placement.Top) + frame.top());
    client.moveLeft(screenArea.left() + TwipsToWholePixels(placement.Left) + frame.left());
    setGeometry(client);
}

void frmZorvane::cmdCalc_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kKeyCount)) return;
    const std::string_view caption = engine_.Caption(index);
    const PressResult result = engine_.Press(index);
    ShowPressResult(result, displayWording_.Shown(result, caption));
}

void frmZorvane::ShowPressResult(const PressResult& result, const QString& shown) {
    if (result.Beep) QApplication::beep();
    ShowDisplay(shown, result.Facts);
}

void frmZorvane::ShowDisplay(const QString& text, const DisplayFacts& facts) {
    shownFacts_ = facts;
    // Words run in their language's direction; the engine's digits and signs left to right.
    lblDisplay->setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    lblDisplay->setText(text);
    // The description is worded when asked for; a screen reader learns here that it changed.
    QAccessibleEvent changed(lblDisplay, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

QString frmZorvane::DisplayFactsText() const { return FactsText(shownFacts_, language_, CalendarDate(Now().date())); }

void frmZorvane::DescribeDisplay() {
    // The mode's, for when the text on show tells nothing.
    for (const AccessibleMode& mode : kAccessibleModes) {
        if (mode.Mode == engine_.CalcMode) {
            lblDisplay->setAccessibleDescription(Translated("AccessibleMode", mode.DisplayDescription));
        }
    }
}

void frmZorvane::CopyDisplay() {
    lastCopied_ = lblDisplay->text().trimmed();
    QGuiApplication::clipboard()->setText(lastCopied_);
}

void frmZorvane::PasteIntoPad() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.size() > kLongestPaste) {
        QApplication::beep();
        return;
    }
    // The engine takes every key, the display is written once with the last result.
    std::optional<PressResult> last;
    QString shown;
    bool beep = false;
    // The display's own text, copied here, is in the display's notation whatever the locale's:
    // "1.234" is then one point two three four.
    const bool ownCopy = !lastCopied_.isEmpty() && text.trimmed() == lastCopied_;
    // An Add or Sub waiting for its second operand reads the paste as its period.
    const auto keys = PastedKeys(text, engine_.CalcMode, ownCopy ? DisplayNotation() : UserNotation(),
                                 engine_.AwaitsPeriod() ? Awaited::Period : Awaited::Value);
    if (!keys) {
        QApplication::beep();
        return;
    }
    // The reader names no key the mode disables.
    for (const ButtonIndex index : *keys) {
        const std::string_view caption = engine_.Caption(index);
        last = engine_.Press(index);
        shown = displayWording_.Shown(*last, caption);
        beep = beep || last->Beep;
    }
    if (!last) return;
    last->Beep = beep;
    ShowPressResult(*last, shown);
}

void frmZorvane::Option1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kOptionModes.size())) return;
    const std::string_view mode = kOptionModes[static_cast<std::size_t>(index)];
    // The display only: the entry typed before the switch is still the engine's.
    if (mode == kNumberMode) ShowDisplay(QStringLiteral("0."));
    engine_.ApplyMode(mode);
    MirrorKeys();
    ShowHelp(mode);
}

const Notation& frmZorvane::DisplayNotation() {
    if (!displayNotation_) displayNotation_ = NotationOf(QLocale::c());
    return *displayNotation_;
}

const Notation& frmZorvane::UserNotation() {
    if (!notation_ || notationLocale_ != QLocale()) {
        notationLocale_ = QLocale();
        notation_ = NotationOf(notationLocale_);
    }
    return *notation_;
}

bool frmZorvane::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift, const QString& text) {
    const char16_t typed = text.size() == 1 ? text.front().unicode() : u'\0';
    if (IsNowKey(keyCode, shift.testFlag(Qt::ControlModifier))) {
        TypeNow();
        return true;
    }
    const auto index = KeyDownIndex(keyCode, shift.testFlag(Qt::KeypadModifier), typed, engine_.CalcMode);
    return index && PressShortcut(*index);
}

bool frmZorvane::Form_KeyPress(const QString& text) {
    if (text.size() != 1) return false;
    const auto shortcut = KeyPressShortcut(text.front().unicode(), engine_.CalcMode, DecimalPointOf(QLocale()));
    if (!shortcut) return false;
    if (shortcut->Now) {
        TypeNow();
        return true;
    }
    if (!shortcut->Index) {
        QApplication::beep();
        return true;
    }
    return PressShortcut(*shortcut->Index);
}

void frmZorvane::TypeNow() {
    const auto typed = engine_.TypeNow(CalendarMoment(Now()));
    if (!typed) {
        QApplication::beep();
        return;
    }
    // A fresh entry: nothing of a difference on show is edited.
    ShowPressResult(*typed, displayWording_.Shown(*typed, {}));
}

QMenu* frmZorvane::DisplayMenu() {
    QMenu* menu = lblDisplay->createStandardContextMenu();
    const bool date = engine_.CalcMode == kDateMode;
    if (date || engine_.CalcMode == kTimeMode) {
        menu->addSeparator();
        //: The display's context menu in Date mode: types today's date.
        const QString today = tr("Today");
        //: The display's context menu in Time mode: types the time now.
        const QString now = tr("Now");
        QAction* action = menu->addAction(date ? today : now, this, &frmZorvane::TypeNow);
        action->setShortcut(kNowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        action->setEnabled(engine_.TakesNow());
    }
    return menu;
}

void frmZorvane::AddLetterShortcuts() {
    for (const char16_t letter : kShortcutLetters) {
        // With Shift too: Qt matches a shifted key only against a sequence that names Shift.
        for (const Qt::KeyboardModifiers shift : {Qt::NoModifier, Qt::ShiftModifier}) {
            auto* shortcut = new QShortcut(QKeyCombination(shift, Qt::Key(letter)), this);
            connect(shortcut, &QShortcut::activated, this, [this, letter] { Form_KeyPress(QString(QChar(letter))); });
        }
    }
}

bool frmZorvane::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!keyEvent || !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // The display would keep a non-Latin letter for itself, before the letter shortcuts see
        // it; the letters that are no shortcut still reach it as typed text.
        if (watched != lblDisplay || !IsForeignLetter(*key)) return false;
        event->ignore();
        return true;
    }
    // Inside the display, copy and paste are the text box's own.
    if (QApplication::focusWidget() != lblDisplay) {
        if (key->matches(QKeySequence::Copy)) {
            CopyDisplay();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            PasteIntoPad();
            return true;
        }
    }
    // One handler at most: a key the key-code table names never reaches the character table.
    return Form_KeyDown(key->key(), key->modifiers(), key->text()) || Form_KeyPress(key->text());
}

void frmZorvane::MirrorKeys() {
    for (std::size_t i = 0; i < cmdCalc.size(); ++i) {
        const auto index = static_cast<ButtonIndex>(i);
        const std::string_view caption = engine_.Caption(index);
        const bool enabled = engine_.Enabled(index);
        cmdCalc[i]->setText(KeyCaption(caption));
        cmdCalc[i]->setEnabled(enabled);
        // Every caption has a row (checked where the table is defined).
        const AccessibleKey& key = *FindAccessibleKey(enabled ? engine_.CalcMode : kNumberMode, caption);
        cmdCalc[i]->setAccessibleName(Translated("AccessibleKey", key.Name));
        QString description = Translated("AccessibleKey", enabled ? key.Description : kUnavailableDescription);
        if (enabled && key.Description == kTypesDigit)
            description = Sentence(description, QString(QLatin1Char(key.Caption.front())));
        cmdCalc[i]->setAccessibleDescription(description);
    }
    DescribeDisplay();
}

void frmZorvane::ShowHelp(std::string_view mode) {
    // QLabel breaks lines at line feeds only; the text itself keeps its carriage returns.
    QString text = HelpText(mode);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(text);
    if (text.isEmpty()) {
        Label1->setGeometry(ToPixels(kLabelEmptyRect));
        return;
    }
    const QSize fit = Label1->sizeHint();
    Label1->setGeometry(CentredLabelLeft(fit.width()), ToPixels(kLabelEmptyRect.Top), fit.width(), fit.height());
}

bool frmZorvane::PressShortcut(ButtonIndex index) {
    // A shortcut naming a disabled button does nothing, and is still used up so that the
    // character does not land in the display either.
    if (engine_.Enabled(index)) {
        cmdCalc[static_cast<std::size_t>(index)]->setFocus(Qt::ShortcutFocusReason);
        cmdCalc_Click(index);
    }
    return true;
}
