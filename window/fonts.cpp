#include "fonts.h"

#include <QStringList>

namespace {

// The face Debian's desktops draw the language's Han characters and kana or hangul in, in the
// forms of its own region: VL Gothic for Japanese, Noto Sans CJK for Chinese and Korean.
QString HanFamily(QLocale::Script script) {
    switch (script) {
        case QLocale::JapaneseScript:
            return QStringLiteral("VL PGothic");
        case QLocale::KoreanScript:
            return QStringLiteral("Noto Sans CJK KR");
        case QLocale::TraditionalHanScript:
            return QStringLiteral("Noto Sans CJK TC");
        default:
            return QStringLiteral("Noto Sans CJK SC");
    }
}

}  // namespace

QFont FaceFont(const QString& face, double points, bool bold, const QLocale& language) {
    QStringList families{face};
    for (const char* fallback :
         {"Liberation Sans", "Arimo", "Arial", "Helvetica", "Nimbus Sans", "Noto Sans Arabic UI", "DejaVu Sans"}) {
        if (!families.contains(QLatin1String(fallback))) families << QLatin1String(fallback);
    }
    families << HanFamily(language.script());
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

QFont DisplayFont(const QLocale& language) { return FaceFont(QStringLiteral("MS Sans Serif"), 12, true, language); }
QFont FrameFont(const QLocale& language) { return FaceFont(QStringLiteral("MS Sans Serif"), 8.25, true, language); }
QFont PadFont(const QLocale& language) { return FaceFont(QStringLiteral("Arial"), 9.75, true, language); }
QFont WindowFont(const QLocale& language) { return FaceFont(QStringLiteral("MS Sans Serif"), 8, false, language); }
