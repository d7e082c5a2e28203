#include "icon.h"

#include <QColor>
#include <QPixmap>

#include <array>
#include <vector>

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

// One filled rectangle of the 32 x 32 grid; later ones paint over earlier ones. The pixel
// picture and the SVG are both drawn from one list of these, so they cannot differ.
struct Block {
    int Left;
    int Top;
    int Width;
    int Height;
    Colour Fill;
};

// A 3 x 5 glyph, one row of three bits per line, top first, as one block per lit pixel.
void AddGlyph(std::vector<Block>& blocks, int left, int top, std::array<int, 5> rows, Colour colour) {
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (rows[static_cast<std::size_t>(y)] & (4 >> x)) blocks.push_back({left + x, top + y, 1, 1, colour});
        }
    }
}

// A pocket calculator: navy case, green display, silver pad with coloured operator keys.
std::vector<Block> IconBlocks() {
    std::vector<Block> blocks{
        {3, 0, 25, 32, kBlack}, {4, 1, 23, 30, kNavy}, {5, 2, 21, 1, kBlue},
        {6, 3, 19, 9, kBlack},  {7, 4, 17, 7, kGreen},
    };
    AddGlyph(blocks, 12, 5, {7, 5, 7, 1, 7}, kLime);  // 9
    AddGlyph(blocks, 16, 5, {7, 4, 7, 1, 7}, kLime);  // 5
    AddGlyph(blocks, 20, 5, {7, 5, 5, 5, 7}, kLime);  // 0
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int left = 6 + column * 5;
            const int top = 14 + row * 4;
            const bool equals = row == 3 && column == 3;
            const Colour face = equals ? kRed : column == 3 ? kOrange : row == 0 ? kYellow : kSilver;
            blocks.push_back({left, top, 4, 3, face});
            blocks.push_back({left, top + 3, 4, 1, kBlack});
            blocks.push_back({left, top, 1, 1, equals ? kMaroon : kWhite});
        }
    }
    blocks.push_back({6, 30, 19, 1, kGrey});
    return blocks;
}

}  // namespace

QImage MorvelinIcon() {
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    image.fill(kClear);
    for (const Block& block : IconBlocks()) {
        for (int y = block.Top; y < block.Top + block.Height; ++y) {
            for (int x = block.Left; x < block.Left + block.Width; ++x) image.setPixel(x, y, block.Fill);
        }
    }
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

QByteArray MorvelinIconSvg() {
    // crispEdges keeps the blocks' shared edges free of the seams antialiasing would draw.
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"32\" height=\"32\" "
        "viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\">\n";
    for (const Block& block : IconBlocks()) {
        // No block is transparent, so the colour's alpha never needs writing.
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(block.Left)
                   .arg(block.Top)
                   .arg(block.Width)
                   .arg(block.Height)
                   .arg(QColor(kPalette[block.Fill]).name())
                   .toUtf8();
    }
    return svg + "</svg>\n";
}

QIcon MorvelinWindowIcon() {
    QIcon icon;
    for (const int size : {32, 64}) icon.addPixmap(QPixmap::fromImage(MorvelinIcon(size)));
    return icon;
}
