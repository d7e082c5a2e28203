#include "fonts.h"

#include <QStringList>

QFont FaceFont(const QString& face, double points, bool bold) {
    QStringList families{face};
    for (const char* fallback : {"Liberation Sans", "Arimo", "Arial", "Helvetica", "Nimbus Sans"}) {
        if (!families.contains(QLatin1String(fallback))) families << QLatin1String(fallback);
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont DisplayFont() { return FaceFont(QStringLiteral("MS Sans Serif"), 12, true); }
QFont FrameFont() { return FaceFont(QStringLiteral("MS Sans Serif"), 8.25, true); }
QFont PadFont() { return FaceFont(QStringLiteral("Arial"), 9.75, true); }
QFont WindowFont() { return FaceFont(QStringLiteral("MS Sans Serif"), 8, false); }
