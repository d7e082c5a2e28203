// Renders the window icon for the hicolor icon theme: OUTDIR/NxN/apps/morvelin.png per size and
// OUTDIR/scalable/apps/morvelin.svg.
// Usage: render_icons OUTDIR SIZE...
#include "icon.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <iostream>

namespace {

bool WriteSvg(const QDir& out) {
    const QString folder = QStringLiteral("scalable/apps");
    QFile file(out.filePath(folder + QStringLiteral("/morvelin.svg")));
    const QByteArray svg = MorvelinIconSvg();
    return out.mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: render_icons OUTDIR SIZE...\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!WriteSvg(out)) {
        std::cerr << "render_icons: cannot write the SVG icon\n";
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/morvelin.png"));
        if (!number || size <= 0 || !out.mkpath(folder) || !MorvelinIcon(size).save(file, "PNG")) {
            std::cerr << "render_icons: cannot write " << file.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
