// The window as it opens: start-up state, the place and font of every control, the centring,
// the help label's box and the frame of the window.
#include "window_driver.h"

#include "geometry.h"
#include "icon.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>

#include <array>

namespace {

constexpr std::array<const char*, 23> kNumberCaptions{"Backspace", "CE",  "C", "7",   "8", "9", "/", "sqrt",
                                                      "4",         "5",   "6", "X",   "%", "1", "2", "3",
                                                      "-",         "1/x", "0", "+/-", ".", "+", "="};

QWidget* Control(const frmZorvane& window, const QString& name) {
    if (name == QLatin1String("lblDisplay")) return window.lblDisplay;
    if (name == QLatin1String("Frame1")) return window.Frame1;
    if (name == QLatin1String("Label1")) return window.Label1;
    const auto index = static_cast<std::size_t>(name.section(QLatin1Char('('), 1).chopped(1).toInt());
    if (name.startsWith(QLatin1String("Option1"))) return window.Option1.at(index);
    return window.cmdCalc.at(index);
}

// The face itself where the machine has it, else the packaged metric twin of Arial.
QString ExpectedFamily(const QString& face) {
    return QFontDatabase::families().contains(face) ? face : QStringLiteral("Liberation Sans");
}

}  // namespace

class LayoutTests : public QObject {
    Q_OBJECT

private slots:
    void startUpState() {
        const auto window = OpenWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Morvelin"));
        QCOMPARE(DisplayText(*window), QStringLiteral("0."));
        QCOMPARE(window->Frame1->title(), QStringLiteral("Modul"));
        const std::array<bool, 3> selected{true, false, false};
        const std::array<const char*, 3> options{"Number", "Date", "Time"};
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(window->Option1[i]->text(), QLatin1String(options[i]));
            QCOMPARE(window->Option1[i]->isChecked(), selected[i]);
        }
        QVERIFY(window->Label1->text().isEmpty());
        for (std::size_t i = 0; i < kNumberCaptions.size(); ++i) {
            QPushButton* button = window->cmdCalc[i];
            QCOMPARE(button->text(), QLatin1String(kNumberCaptions[i]));
            QVERIFY(button->isEnabled());
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }
        QCOMPARE(QApplication::focusWidget(), window->cmdCalc[0]);
        QVERIFY(!window->lblDisplay->isReadOnly());
        QCOMPARE(window->Frame1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(window->Label1->focusPolicy(), Qt::NoFocus);
    }

    void firstPressReplacesTheStartText() {
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("7")));
        QCOMPARE(DisplayText(*window), QStringLiteral("7"));
    }

    void controlGeometry_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QList<int>>("twips");  // Left, Top, Width, Height
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        const QString sans = QStringLiteral("MS Sans Serif");
        const QString arial = QStringLiteral("Arial");
        QTest::newRow("lblDisplay") << "lblDisplay" << QList{240, 120, 4695, 525} << sans << 12.0 << true;
        QTest::newRow("Frame1") << "Frame1" << QList{240, 840, 4695, 735} << sans << 8.25 << true;
        QTest::newRow("Option1(0)") << "Option1(0)" << QList{120, 240, 1215, 255} << sans << 8.0 << false;
        QTest::newRow("Option1(1)") << "Option1(1)" << QList{1560, 240, 1215, 255} << sans << 8.0 << false;
        QTest::newRow("Option1(2)") << "Option1(2)" << QList{2880, 240, 1215, 255} << sans << 8.0 << false;
        QTest::newRow("Label1") << "Label1" << QList{6210, 120, 75, 195} << sans << 8.0 << false;
        QTest::newRow("cmdCalc(0)") << "cmdCalc(0)" << QList{180, 1800, 1515, 495} << arial << 9.75 << true;
        QTest::newRow("cmdCalc(1)") << "cmdCalc(1)" << QList{1860, 1800, 1515, 495} << arial << 9.75 << true;
        QTest::newRow("cmdCalc(2)") << "cmdCalc(2)" << QList{3480, 1800, 1455, 495} << arial << 9.75 << true;
        const std::array<int, 5> columns{180, 1140, 2100, 3060, 4020};
        const std::array<int, 4> rows{2400, 2940, 3480, 4020};
        for (int i = 3; i < 23; ++i) {
            const QString name = QStringLiteral("cmdCalc(%1)").arg(i);
            const QList<int> twips{columns[static_cast<std::size_t>((i - 3) % 5)],
                                   rows[static_cast<std::size_t>((i - 3) / 5)], 915, 495};
            QTest::newRow(qPrintable(name)) << name << twips << arial << 9.75 << true;
        }
    }
    void controlGeometry() {
        QFETCH(QString, control);
        QFETCH(QList<int>, twips);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const auto window = OpenWindow();
        const QWidget* widget = Control(*window, control);
        QCOMPARE(widget->geometry(), QRect(twips[0] / 15, twips[1] / 15, twips[2] / 15, twips[3] / 15));
        const QFont font = widget->font();
        QCOMPARE(font.families().value(0), face);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        const QFontInfo shown(font);
        QCOMPARE(shown.family(), ExpectedFamily(face));
        QCOMPARE(shown.bold(), bold);
        QVERIFY2(qAbs(shown.pointSizeF() - points) <= 0.5, qPrintable(QString::number(shown.pointSizeF())));
    }

    void windowFrame() {
        const auto window = OpenWindow();
        QCOMPARE(window->size(), QSize(504, 328));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!window->windowIcon().isNull());
    }

    void icon() {
        const QImage image = MorvelinIcon();
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorCount(), 16);
        QSet<uint> used;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) used.insert(static_cast<uint>(image.pixelIndex(x, y)));
        }
        QVERIFY2(used.size() >= 8, "the icon should be a picture, not a blot");
    }

    void centring_data() {
        QTest::addColumn<double>("screenWidth");
        QTest::addColumn<double>("screenHeight");
        QTest::addColumn<double>("windowWidth");
        QTest::addColumn<double>("windowHeight");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("1920 x 1080 screen") << 28800.0 << 16200.0 << 7680.0 << 5400.0 << 10560.0f << 5400.0f;
        QTest::newRow("odd difference keeps half a twip")
            << 28800.0 << 16200.0 << 7665.0 << 5400.0 << 10567.5f << 5400.0f;
        QTest::newRow("odd height too") << 28800.0 << 16200.0 << 7680.0 << 5415.0 << 10560.0f << 5392.5f;
        QTest::newRow("window larger than the screen") << 7000.0 << 4000.0 << 7680.0 << 5400.0 << -340.0f << -700.0f;
        QTest::newRow("window as large as the screen") << 7560.0 << 4920.0 << 7560.0 << 4920.0 << 0.0f << 0.0f;
    }
    void centring() {
        QFETCH(double, screenWidth);
        QFETCH(double, screenHeight);
        QFETCH(double, windowWidth);
        QFETCH(double, windowHeight);
        QFETCH(float, left);
        QFETCH(float, top);
        const Placement placement = CentredPlacement(screenWidth, screenHeight, windowWidth, windowHeight);
        QCOMPARE(placement.Left, left);
        QCOMPARE(placement.Top, top);
    }

    void openedCentredOnTheWholeScreen() {
        const auto window = OpenWindow();
        const QRect screen = window->screen()->geometry();
        const QRect outer = window->frameGeometry();
        QVERIFY2(qAbs(2 * outer.left() + outer.width() - 2 * screen.left() - screen.width()) <= 1,
                 qPrintable(QStringLiteral("left %1").arg(outer.left())));
        QVERIFY2(qAbs(2 * outer.top() + outer.height() - 2 * screen.top() - screen.height()) <= 1,
                 qPrintable(QStringLiteral("top %1").arg(outer.top())));
    }

    void helpLabelBox_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Date") << "Date";
        QTest::newRow("Time") << "Time";
    }
    void helpLabelBox() {
        QFETCH(QString, mode);
        const auto window = OpenWindow();
        QVERIFY(ClickKeys(*window, QStringLiteral("[%1]").arg(mode)));
        const QLabel* label = window->Label1;
        const QRect box = label->geometry();
        QCOMPARE(box.top(), 120 / 15);
        QVERIFY2(box.bottom() < 4920 / 15, qPrintable(QString::number(box.bottom())));
        QVERIFY2(box.left() >= 4935 / 15 && box.right() < 7560 / 15, qPrintable(QString::number(box.left())));
        QVERIFY(qAbs(box.left() + box.width() / 2.0 - 6247.5 / 15) <= 1);
        // Every one of the 22 lines is inside the box, the widest included.
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 22);
        QVERIFY(box.height() >= 22 * metrics.height());
        for (const QString& line : lines) QVERIFY2(metrics.horizontalAdvance(line) <= box.width(), qPrintable(line));
        QVERIFY(ClickKeys(*window, QStringLiteral("[Number]")));
        QCOMPARE(label->geometry(), QRect(6210 / 15, 120 / 15, 75 / 15, 195 / 15));
    }
};

QTEST_MAIN(LayoutTests)
#include "window_layout_tests.moc"
