#pragma once

// Qt first: the moc of Qt 6.4 fails on <concepts> when a standard header pulls it in before
// any Qt header has.
#include <QWidget>

#include "calc_engine.h"
#include "key_map.h"
#include "notation.h"
#include "wording.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

class QButtonGroup;
class QGroupBox;
class QLabel;
class DisplayBox;
class QMenu;
class QPushButton;
class QRadioButton;

// The one window: a display, the mode selector, the 23-button pad and the help label. It owns
// the engine and keeps no calculator state of its own: the buttons mirror the engine's captions
// and enabled flags, and the display shows what the engine returns.
class frmZorvane : public QWidget {
    Q_OBJECT

public:
    // Builds every control and runs Form_Load, so the window is centred and ready when shown.
    // `language` is the locale the window speaks (Translations::Locale): it words the tooltip's
    // dates and numbers, and its direction is the window's.
    explicit frmZorvane(const QLocale& language, QWidget* parent = nullptr);
    ~frmZorvane() override;

    // The only road from a pad button, or a shortcut naming it, to the engine.
    void cmdCalc_Click(int index);
    void Option1_Click(int index);
    // Key preview. Each returns whether the key was a shortcut, in which case it has been used
    // up: it must not also reach the focused control.
    bool Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift, const QString& text);
    bool Form_KeyPress(const QString& text);
    // Today's date in Date mode, the time now in Time mode, in place of the entry; refused with
    // the signal in Number mode and while a period is typed after Add or Sub.
    void TypeNow();
    // The display's context menu: the text box's own, with "Today" or "Now" in Date and Time mode.
    // The caller owns it.
    QMenu* DisplayMenu();

    // The clock the window reads for today and now, at the moment each is needed; tests fix it.
    QDateTime (*Now)() = &QDateTime::currentDateTime;

    DisplayBox* lblDisplay = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    std::array<QPushButton*, kKeyCount> cmdCalc{};
    QLabel* Label1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void CentreOuterFrame();
    // Frame1's border in a colour that stands out from the window under the palette in force.
    void StyleFrame();
    // The option buttons inside Frame1, in reading order: from the right in a right-to-left
    // language. The frame itself, the display and the pad keep their places.
    void PlaceOptions();
    // Writes the display, with what the engine tells of it as its tooltip and description.
    void ShowDisplay(const QString& text, const DisplayFacts& facts = {});
    void ShowPressResult(const PressResult& result, const QString& shown);
    void DescribeDisplay();
    QString DisplayFactsText() const;
    void CopyDisplay();
    void PasteIntoPad();
    void MirrorKeys();
    void ShowHelp(std::string_view mode);
    bool PressShortcut(ButtonIndex index);
    void AddLetterShortcuts();
    // The locale's notation (names of months, AM/PM, currencies) is costly to gather: it is read
    // again only when the default locale changes, not at every key.
    const Notation& UserNotation();
    // The display's own notation, for what the window copied itself.
    const Notation& DisplayNotation();

    CalcEngine engine_;
    QLocale language_;
    DisplayWording displayWording_;
    DisplayFacts shownFacts_;  // what the engine told of the text on show
    QLocale notationLocale_;
    std::optional<Notation> notation_;
    std::optional<Notation> displayNotation_;
    QString lastCopied_;  // what Ctrl+C last put on the clipboard
    QButtonGroup* optionGroup_ = nullptr;
};
