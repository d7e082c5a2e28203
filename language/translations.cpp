#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale) {
    const QString folder = QString::fromLatin1(kTranslationsFolder);
    // Searched last, so installed first.
    if (english_.load(QStringLiteral("morvelin_en"), folder)) QCoreApplication::installTranslator(&english_);
    // An English locale finds morvelin_en again, which is no harm.
    if (program_.load(locale, QStringLiteral("morvelin"), QStringLiteral("_"), folder) &&
        program_.language() != QLatin1String("en")) {
        QCoreApplication::installTranslator(&program_);
        language_ = program_.language();
        // Only with a language of ours, so that a window in English has no German context menu.
        if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
    }
}

Translations::~Translations() {
    // Removing a translator that was never installed does nothing.
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&english_);
}
