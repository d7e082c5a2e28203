// A whole session as a restless user has it: every mode, every enabled key clicked in turn, text
// typed into the display, then the window closed. The leak check runs this under valgrind.
#include "window_driver.h"

class SessionTests : public QObject {
    Q_OBJECT

private slots:
    void everyKeyInEveryMode() {
        auto window = OpenWindow();
        for (const char* mode : {"Date", "Time", "Number", "Time", "Date", "Number"}) {
            QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(QLatin1String(mode))));
            for (int round = 0; round < 2; ++round) {
                for (QPushButton* button : window->cmdCalc) {
                    if (button->isEnabled()) QTest::mouseClick(button, Qt::LeftButton);
                    QVERIFY(!DisplayText(*window).contains(QLatin1String("inf"), Qt::CaseInsensitive));
                    QVERIFY(!DisplayText(*window).contains(QLatin1String("nan"), Qt::CaseInsensitive));
                }
            }
            window->lblDisplay->setFocus();
            QTest::keyClicks(window->lblDisplay, QStringLiteral("abc 11/05/2000 12:00:00 xyz"));
            TypeText(*window, QStringLiteral("11/05/2000+01:02:03=\r\b\x1b"));
        }
        window->close();
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(SessionTests)
#include "window_session_tests.moc"
