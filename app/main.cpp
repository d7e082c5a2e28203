#include "command_line.h"
#include "frm_zorvane.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = HandleCommandLine(argc, argv)) return *status;
    QApplication application(argc, argv);
    const Translations translations{QLocale()};
    // Lets a desktop shell match the window with its menu entry, and so show the entry's icon.
    QApplication::setDesktopFileName(QStringLiteral("morvelin"));
    // Qt's own windows too (the tooltip, the display's context menu) run in the language's direction.
    QApplication::setLayoutDirection(translations.Locale().textDirection());
    frmZorvane window(translations.Locale());
    window.show();
    return QApplication::exec();
}
