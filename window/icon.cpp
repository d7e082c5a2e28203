#include "icon.h"

#include <QPixmap>

#include <array>

namespace {

enum Colour : uint {
    kClear,
    kBlack,
    kMaroon,
    kGreen,
    kOlive,
    kNavy,
    kTeal,
    kSilver,
    kGrey,
    kRed,
    kLime,
    kYellow,
    kBlue,
    kAqua,
    kWhite,
    kOrange,
};

constexpr std::array<QRgb, 16> kPalette{
    qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 128, 0),
    qRgb(128, 128, 0),   qRgb(0, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),     qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(255, 128, 0),
};

void Fill(QImage& image, int left, int top, int width, int height, Colour colour) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) image.setPixel(x, y, colour);
    }
}

// A 3 x 5 glyph, one row of three bits per line, top first.
void Glyph(QImage& image, int left, int top, std::array<int, 5> rows, Colour colour) {
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (rows[static_cast<std::size_t>(y)] & (4 >> x)) image.setPixel(left + x, top + y, colour);
        }
    }
}

}  // namespace

QImage MorvelinIcon() {
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    image.fill(kClear);

    // A pocket calculator: navy case, green display, silver pad with coloured operator keys.
    Fill(image, 3, 0, 25, 32, kBlack);
    Fill(image, 4, 1, 23, 30, kNavy);
    Fill(image, 5, 2, 21, 1, kBlue);
    Fill(image, 6, 3, 19, 9, kBlack);
    Fill(image, 7, 4, 17, 7, kGreen);
    Glyph(image, 12, 5, {7, 5, 7, 1, 7}, kLime);  // 9
    Glyph(image, 16, 5, {7, 4, 7, 1, 7}, kLime);  // 5
    Glyph(image, 20, 5, {7, 5, 5, 5, 7}, kLime);  // 0
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int left = 6 + column * 5;
            const int top = 14 + row * 4;
            const bool equals = row == 3 && column == 3;
            const Colour face = equals ? kRed : column == 3 ? kOrange : row == 0 ? kYellow : kSilver;
            Fill(image, left, top, 4, 3, face);
            Fill(image, left, top + 3, 4, 1, kBlack);
            image.setPixel(left, top, equals ? kMaroon : kWhite);
        }
    }
    Fill(image, 6, 30, 19, 1, kGrey);
    return image;
}

QImage MorvelinIcon(int size) {
    const int whole = (size + 31) / 32 * 32;
    QImage sharp = MorvelinIcon()
                       .convertToFormat(QImage::Format_ARGB32)
                       .scaled(whole, whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (whole == size) return sharp;
    return sharp.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon MorvelinWindowIcon() {
    QIcon icon;
    for (const int size : {32, 64}) icon.addPixmap(QPixmap::fromImage(MorvelinIcon(size)));
    return icon;
}
