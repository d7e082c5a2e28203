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

    // A date difference on show carries its total in days, grouped as the locale groups digits,
    // as the display's tooltip and description; any other text brings back the usual ones.
    void differenceTotal() {
        QStringList wrong;
        const auto check = [&](QLocale::Language language, const char* keys, const char* tip, const char* usual = "") {
            QLocale::setDefault(QLocale(language));
            const auto window = OpenWindow();
            if (!ClickKeys(*window, QLatin1String(keys))) wrong << QLatin1String(keys);
            const QAccessibleInterface* display = QAccessible::queryAccessibleInterface(window->lblDisplay);
            if (window->lblDisplay->toolTip() != QLatin1String(tip) ||
                display->text(QAccessible::Description) != QLatin1String(*tip ? tip : usual)) {
                wrong << QLatin1String(keys) + ": " + window->lblDisplay->toolTip();
            }
        };
        const char* difference = "[Date] 11/05/2000 Dif 9/10/2011 =";
        check(QLocale::English, difference, "4,168 days");
        check(QLocale::German, difference, "4.168 days");
        check(QLocale::English, "[Date] 31/12/2000 Dif 01/01/2001 =", "1 day");
        check(QLocale::English, "[Date] 11/05/2000 Dif 11/05/2000 =", "0 days");
        check(QLocale::English, "[Date] 11/05/2000 Dif 9/10/2011 = [Time]", "4,168 days");
        check(QLocale::English, "[Date] 11/05/2000 Dif 9/10/2011 = 5", "",
              "The date or period being typed, or the result");
        check(QLocale::English, "[Date] 11/05/2000 Dif 9/10/2011 = [Number]", "",
              "The number being typed, or the result");
        check(QLocale::English, "[Time] 11:05:20 Dif 19:10:23 =", "", "The time or period being typed, or the result");
        QLocale::setDefault(QLocale::c());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }
};

QTEST_MAIN(AccessibilityTests)
#include "window_accessibility_tests.moc"
