// The window as it opens: start-up state, the place and font of every control, the centring and
// the help label's box.
#include "window_driver.h"

#include "geometry.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>

#include <vector>

class LayoutTests : public QObject {
    Q_OBJECT

private slots:
    void startUpState() {
        const auto window = OpenWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Morvelin"));
        QCOMPARE(DisplayText(*window), QStringLiteral("0."));
        QVERIFY(window->Option1[0]->isChecked() && window->Option1[0]->text() == QLatin1String("Number"));
        QVERIFY(window->Label1->text().isEmpty());
        QStringList captions;
        for (QPushButton* button : window->cmdCalc) captions << (button->isEnabled() ? "" : "~") + button->text();
        QCOMPARE(captions.join(' '), QStringLiteral("Backspace CE C 7 8 9 / sqrt 4 5 6 X % 1 2 3 - 1/x 0 +/- . + ="));
        QCOMPARE(QApplication::focusWidget(), window->cmdCalc[0]);
        QCOMPARE(window->size(), QSize(504, 328));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        // Form_Load centres the outer frame on the whole screen.
        const QRect screen = window->screen()->geometry(), outer = window->frameGeometry();
        QVERIFY(qAbs(2 * outer.left() + outer.width() - 2 * screen.left() - screen.width()) <= 1);
        QVERIFY(qAbs(2 * outer.top() + outer.height() - 2 * screen.top() - screen.height()) <= 1);
    }

    void controlGeometry() {
        const auto window = OpenWindow();
        struct Row {
            QWidget* Widget;
            QRect Twips;
            QString Face;
            double Points;
            bool Bold;
        };
        const QString sans = QStringLiteral("MS Sans Serif"), arial = QStringLiteral("Arial");
        std::vector<Row> rows{{window->lblDisplay, {240, 120, 4695, 525}, sans, 12.0, true},
                              {window->Frame1, {240, 840, 4695, 735}, sans, 8.25, true},
                              {window->Label1, {6210, 120, 75, 195}, sans, 8.0, false},
                              {window->cmdCalc[0], {180, 1800, 1515, 495}, arial, 9.75, true},
                              {window->cmdCalc[1], {1860, 1800, 1515, 495}, arial, 9.75, true},
                              {window->cmdCalc[2], {3480, 1800, 1455, 495}, arial, 9.75, true}};
        for (std::size_t i = 0; i < 3; ++i) {
            rows.push_back({window->Option1[i], {std::array{120, 1560, 2880}[i], 240, 1215, 255}, sans, 8.0, false});
        }
        for (std::size_t i = 3; i < 23; ++i) {
            const QRect twips(std::array{180, 1140, 2100, 3060, 4020}[(i - 3) % 5],
                              std::array{2400, 2940, 3480, 4020}[(i - 3) / 5], 915, 495);
            rows.push_back({window->cmdCalc[i], twips, arial, 9.75, true});
        }
        QCOMPARE(rows.size(), 29u);
        for (const Row& row : rows) {
            const QByteArray where = row.Widget->metaObject()->className() + QByteArray::number(&row - rows.data());
            QVERIFY2(row.Widget->geometry() == QRect(row.Twips.topLeft() / 15, row.Twips.size() / 15), where);
            QVERIFY2(row.Widget->font().families().value(0) == row.Face, where);
            // The face itself where the machine has it, else the packaged metric twin of Arial.
            const QFontInfo shown(row.Widget->font());
            const bool present = QFontDatabase::families().contains(row.Face);
            QVERIFY2(shown.family() == (present ? row.Face : QStringLiteral("Liberation Sans")), where);
            QVERIFY2(row.Widget->font().pointSizeF() == row.Points && qAbs(shown.pointSizeF() - row.Points) <= 0.5,
                     where);
            QVERIFY2(shown.bold() == row.Bold, where);
        }
    }

    void centring() {
        // Screen width and height, window width and height, then the expected Left and Top.
        const std::array<std::array<double, 6>, 4> rows{
            {{28800, 16200, 7680, 5400, 10560, 5400},
             {28800, 16200, 7665, 5400, 10567.5, 5400},  // odd: half a twip
             {28800, 16200, 7680, 5415, 10560, 5392.5},
             {7000, 4000, 7680, 5400, -340, -700}}};  // larger than the screen
        for (const auto& row : rows) {
            const Placement placement = CentredPlacement(row[0], row[1], row[2], row[3]);
            QCOMPARE(placement.Left, float(row[4]));
            QCOMPARE(placement.Top, float(row[5]));
        }
    }

    // The label grows about its centre line so that all 22 lines show, and shrinks back.
    void helpLabelBox() {
        const auto window = OpenWindow();
        const QLabel* label = window->Label1;
        for (const char* mode : {"[Date]", "[Time]"}) {
            QVERIFY(ClickKeys(*window, QLatin1String(mode)));
            const QRect box = label->geometry();
            QCOMPARE(box.top(), 120 / 15);
            QVERIFY(box.bottom() < 4920 / 15 && box.left() >= 4935 / 15 && box.right() < 7560 / 15);
            QVERIFY(qAbs(box.left() + box.width() / 2.0 - 6247.5 / 15) <= 1);
            const QFontMetrics metrics(label->font());
            QVERIFY(box.height() >= 22 * metrics.height());
            for (const QString& line : label->text().split('\n'))
                QVERIFY(metrics.horizontalAdvance(line) <= box.width());
        }
        QVERIFY(ClickKeys(*window, QStringLiteral("[Number]")));
        QCOMPARE(label->geometry(), QRect(6210 / 15, 120 / 15, 75 / 15, 195 / 15));
    }
};

QTEST_MAIN(LayoutTests)
#include "window_layout_tests.moc"
