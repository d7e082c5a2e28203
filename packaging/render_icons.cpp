// Renders the window icon for the hicolor icon theme: OUTDIR/NxN/apps/morvelin.png per size.
// Usage: render_icons OUTDIR SIZE...
#include "icon.h"

#include <QDir>
#include <QString>

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: render_icons OUTDIR SIZE...\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
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
