// What assistive technology is told: names and descriptions read back through QAccessible,
// for a few keys of each mode and after each switch.
#include "window_driver.h"

#include <QAccessible>

class AccessibilityTests : public QObject {
    Q_OBJECT

private slots:
    // Control -1 is the display, 23..25 the option buttons, the others pad keys.
    void namesFollowTheMode() {
        QStringList wrong;
        const auto check = [&](const char* switches, int control, const char* name, const char* description) {
            const auto window = OpenWindow();
            if (!ClickKeys(*window, QLatin1String(switches))) wrong << QLatin1String(switches);
            QWidget* widget = control < 0    ? static_cast<QWidget*>(window->lblDisplay)
                              : control < 23 ? static_cast<QWidget*>(window->cmdCalc.at(control))
                                             : window->Option1.at(control - 23);
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            if (accessible == nullptr || accessible->text(QAccessible::Name) != QLatin1String(name) ||
                accessible->text(QAccessible::Description) != QLatin1String(description)) {
                wrong << QStringLiteral("%1 %2").arg(QLatin1String(switches)).arg(control);
            }
        };
        const char* off = "Not available in this mode";
        check("", -1, "Result", "The number being typed, or the result");
        check("", 2, "Clear all", "Clears the entry and the calculation");
        check("", 24, "Date", "Calculates with dates, typed dd/mm/yyyy");
        check("[Date]", -1, "Result", "The date or period being typed, or the result");
        check("[Date]", 20, "Date separator", "Types the slash between day, month and year");
        check("[Date]", 11, "Difference", "Gives years, months and days between this date and the next");
        check("[Date]", 6, "Divide", off);
        check("[Date] [Time]", 20, "Time separator", "Types the colon between hours, minutes and seconds");
        check("[Date] [Time] [Number]", 16, "Subtract", "Subtracts the next number from this one");
        check("[Time] [Number]", -1, "Result", "The number being typed, or the result");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }
};

QTEST_MAIN(AccessibilityTests)
#include "window_accessibility_tests.moc"
