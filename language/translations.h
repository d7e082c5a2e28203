#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The program's messages in one language for the whole window: the first of the user's languages
// (QLocale::uiLanguages: LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that Morvelin ships, compiled into
// the program, with Qt's own messages in that same language from the system's Qt translations.
// Under them lie the English plural forms ("1 day", "2 days"), so English, the C locale and a
// language not shipped read the English source texts. Installed while the object lives; needs an
// application object.
class Translations {
public:
    explicit Translations(const QLocale& user);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the program's messages, "de" or "pt_BR"; empty for English.
    QString Language() const { return language_; }
    // The locale the texts are worded in, dates and numbers included: the user's where it speaks
    // that language (pt_PT under the pt_BR messages), else the language as written in the user's
    // country where Qt knows such a locale (en_SE for a Swede, who reads English).
    QLocale Locale() const { return locale_; }

private:
    QString language_;
    QLocale locale_;
    QTranslator english_;
    QTranslator program_;
    QTranslator qt_;
};

// Where the program's compiled translations lie among its resources, morvelin_<language>.qm.
inline constexpr char kTranslationsFolder[] = ":/i18n";

// The languages compiled into the program ("de", "pt_BR"), "en" among them for the plural forms.
QStringList ShippedLanguages();

// Of the languages `shipped`, the one for a user who reads the languages of `user` in order: the
// same language in the same script, the same country first. Each language counts once, in the
// script it is first named in, so that zh_TW does not fall back to Simplified Chinese through a
// bare "zh" behind it. Empty where none is shipped.
QString ShippedLanguage(const QLocale& user, const QStringList& shipped);
