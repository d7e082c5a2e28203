// The window at twice the scale (run with QT_SCALE_FACTOR=2): the layout unchanged in logical
// pixels, every control exactly twice its size on the device, and an icon drawn for the density
// rather than blurred up.
#include "window_driver.h"

#include "geometry.h"
#include "icon.h"

#include <QWindow>

class ScaleTests : public QObject {
    Q_OBJECT

private slots:
    void clientAreaInDevicePixels() {
        const auto window = OpenWindow();
        QCOMPARE(window->devicePixelRatio(), 2.0);
        QCOMPARE(window->windowHandle()->devicePixelRatio(), 2.0);
        QCOMPARE(window->size(), QSize(504, 328));
        const QPixmap frame = window->grab();
        QCOMPARE(frame.size(), QSize(1008, 656));
        QCOMPARE(frame.devicePixelRatio(), 2.0);
    }

    void everyControlScaledExactly() {
        const auto window = OpenWindow();
        struct Placed {
            QString Name;
            QWidget* Widget;
            TwipsRect Twips;
        };
        QList<Placed> controls{{QStringLiteral("lblDisplay"), window->lblDisplay, kDisplayRect},
                               {QStringLiteral("Frame1"), window->Frame1, kFrameRect},
                               {QStringLiteral("Label1"), window->Label1, kLabelEmptyRect}};
        for (std::size_t i = 0; i < window->Option1.size(); ++i) {
            controls.append({QStringLiteral("Option1(%1)").arg(i), window->Option1[i], kOptionRects[i]});
        }
        for (std::size_t i = 0; i < window->cmdCalc.size(); ++i) {
            controls.append({QStringLiteral("cmdCalc(%1)").arg(i), window->cmdCalc[i], kPadRects[i]});
        }
        for (const Placed& control : controls) {
            const QRect logical = ToPixels(control.Twips);
            QVERIFY2(control.Widget->geometry() == logical, qPrintable(control.Name));
            QVERIFY2(control.Widget->grab().size() == logical.size() * 2, qPrintable(control.Name));
        }
    }

    // Each pixel of the 32 x 32 picture becomes one solid 2 x 2 block: sharp, not interpolated.
    void iconDrawnForTheDensity() {
        const auto window = OpenWindow();
        const QImage shown =
            window->windowIcon().pixmap(QSize(32, 32), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), QSize(64, 64));
        const QImage picture = MorvelinIcon();
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                QVERIFY2(shown.pixel(x, y) == picture.pixel(x / 2, y / 2),
                         qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(ScaleTests)
#include "window_scale_tests.moc"
