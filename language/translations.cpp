#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QList>

namespace {

QLocale WordingLocale(const QLocale& user, const QString& language) {
    const QLocale spoken(language.isEmpty() ? QStringLiteral("en") : language);
    const bool englishUser = language.isEmpty() && user.language() == QLocale::C;
    if (user.language() == spoken.language() || englishUser) return user;
    return {spoken.language(), spoken.script(), user.territory()};
}

// The languages of the files `prefix`_<language>.qm in `folder`.
QStringList LanguagesIn(const QString& folder, const QString& prefix) {
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({prefix + QStringLiteral("_*.qm")})) {
        languages << file.sliced(prefix.size() + 1).section(QLatin1Char('.'), 0, 0);
    }
    return languages;
}

}  // namespace

QStringList ShippedLanguages() {
    return LanguagesIn(QString::fromLatin1(kTranslationsFolder), QStringLiteral("morvelin"));
}

QString ShippedLanguage(const QLocale& user, const QStringList& shipped) {
    QList<QLocale::Language> tried;
    for (const QString& name : user.uiLanguages()) {
        const QLocale wanted(name);
        if (tried.contains(wanted.language())) continue;
        tried << wanted.language();
        QString sameScript;
        for (const QString& language : shipped) {
            const QLocale offered(language);
            if (offered.language() != wanted.language() || offered.script() != wanted.script()) continue;
            if (offered.territory() == wanted.territory()) return language;
            if (sameScript.isEmpty()) sameScript = language;
        }
        if (!sameScript.isEmpty()) return sameScript;
    }
    return {};
}

Translations::Translations(const QLocale& user) {
    const QString folder = QString::fromLatin1(kTranslationsFolder);
    // Searched last, so installed first.
    if (english_.load(QStringLiteral("morvelin_en"), folder)) QCoreApplication::installTranslator(&english_);
    const QString language = ShippedLanguage(user, ShippedLanguages());
    if (!language.isEmpty() && language != QLatin1String("en") &&
        program_.load(QStringLiteral("morvelin_") + language, folder)) {
        QCoreApplication::installTranslator(&program_);
        language_ = language;
        // Only with a language of ours, so that a window in English has no German context menu; in
        // the language chosen, not the user's first one, and chosen by the same rule: Qt's
        // Portuguese is pt_BR's alone.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        const QString qtLanguage = ShippedLanguage(QLocale(language), LanguagesIn(qtFolder, QStringLiteral("qtbase")));
        if (!qtLanguage.isEmpty() && qt_.load(QStringLiteral("qtbase_") + qtLanguage, qtFolder)) {
            QCoreApplication::installTranslator(&qt_);
        }
    }
    locale_ = WordingLocale(user, language_);
}

Translations::~Translations() {
    // Removing a translator that was never installed does nothing.
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&english_);
}
