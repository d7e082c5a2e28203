// What assistive technology is told: names and descriptions read back through QAccessible, in
// every mode and after each switch.
#include "window_driver.h"

#include <QAccessible>
#include <QSet>

#include <array>

namespace {

QWidget* Control(const frmZorvane& window, const QString& name) {
    if (name == QLatin1String("lblDisplay")) return window.lblDisplay;
    const auto index = static_cast<std::size_t>(name.section(QLatin1Char('('), 1).chopped(1).toInt());
    if (name.startsWith(QLatin1String("Option1"))) return window.Option1.at(index);
    return window.cmdCalc.at(index);
}

QString Text(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(kind) : QStringLiteral("(no interface)");
}

// Mode switches clicked from start-up, then what one control says.
struct Expected {
    const char* Label;
    QString Switches;
    QString Control;
    QString Name;
    QString Description;
};

const QString kOff = QStringLiteral("Not available in this mode");
const std::array<Expected, 18> kExpected{{
    {"display at start", "", "lblDisplay", "Result", "The number being typed, or the result"},
    {"clear all", "", "cmdCalc(2)", "Clear all", "Clears the entry and the calculation"},
    {"multiply", "", "cmdCalc(11)", "Multiply", "Multiplies this number by the next"},
    {"square root", "", "cmdCalc(7)", "Square root", "Takes the square root of the entry"},
    {"Date option", "", "Option1(1)", "Date", "Calculates with dates, typed dd/mm/yyyy"},
    {"Date: display", "[Date]", "lblDisplay", "Result", "The date or period being typed, or the result"},
    {"Date: separator", "[Date]", "cmdCalc(20)", "Date separator", "Types the slash between day, month and year"},
    {"Date: difference", "[Date]", "cmdCalc(11)", "Difference",
     "Gives years, months and days between this date and the next"},
    {"Date: add period", "[Date]", "cmdCalc(21)", "Add period", "Adds a period of days/months/years to this date"},
    {"Date: divide is off, not a separator", "[Date]", "cmdCalc(6)", "Divide", kOff},
    {"Date: sign change does nothing", "[Date]", "cmdCalc(19)", "Change sign", "Has no effect on a date"},
    {"Time after Date: separator", "[Date] [Time]", "cmdCalc(20)", "Time separator",
     "Types the colon between hours, minutes and seconds"},
    {"Time after Date: difference", "[Date] [Time]", "cmdCalc(11)", "Difference",
     "Gives hours, minutes and seconds between this time and the next"},
    {"Time after Date: subtract period", "[Date] [Time]", "cmdCalc(16)", "Subtract period",
     "Subtracts a period of hours:minutes:seconds from this time"},
    {"Time: reciprocal is off", "[Time]", "cmdCalc(17)", "Reciprocal", kOff},
    {"Number again: subtract", "[Date] [Time] [Number]", "cmdCalc(16)", "Subtract",
     "Subtracts the next number from this one"},
    {"Number again: divide is back", "[Time] [Number]", "cmdCalc(6)", "Divide", "Divides this number by the next"},
    {"Number again: display", "[Time] [Number]", "lblDisplay", "Result", "The number being typed, or the result"},
}};

}  // namespace

class AccessibilityTests : public QObject {
    Q_OBJECT

private slots:
    void namesFollowTheMode_data() {
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        for (const Expected& row : kExpected) {
            QTest::newRow(row.Label) << row.Switches << row.Control << row.Name << row.Description;
        }
    }
    void namesFollowTheMode() {
        QFETCH(QString, switches);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, switches));
        QWidget* widget = Control(*window, control);
        QCOMPARE(Text(widget, QAccessible::Name), name);
        QCOMPARE(Text(widget, QAccessible::Description), description);
    }

    // A screen reader tells the keys apart by name alone: no two enabled keys may share one, and
    // none may be left without a name or a description.
    void everyKeyNamedOnce_data() {
        QTest::addColumn<QString>("switches");
        QTest::newRow("Number") << "";
        QTest::newRow("Date") << "[Date]";
        QTest::newRow("Time") << "[Date] [Time]";
        QTest::newRow("Number again") << "[Time] [Number]";
    }
    void everyKeyNamedOnce() {
        QFETCH(QString, switches);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, switches));
        QSet<QString> names;
        for (QPushButton* button : window->cmdCalc) {
            const QString name = Text(button, QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !Text(button, QAccessible::Description).isEmpty(), qPrintable(button->text()));
            if (!button->isEnabled()) continue;
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
        for (QRadioButton* option : window->Option1) {
            QCOMPARE(Text(option, QAccessible::Name), option->text());
            QVERIFY(!Text(option, QAccessible::Description).isEmpty());
        }
    }
};

QTEST_MAIN(AccessibilityTests)
#include "window_accessibility_tests.moc"
