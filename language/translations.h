#pragma once

#include <QLocale>
#include <QTranslator>

// The program's messages in the first of the locale's languages (QLocale::uiLanguages: LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) that Morvelin ships, compiled into the program, with Qt's own
// messages in that language from the system's Qt translations. Under them lie the English
// plural forms ("1 day", "2 days"), so English, the C locale and a language not shipped read
// the English source texts. Installed while the object lives; needs an application object.
class Translations {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the program's messages, "de" or "pt_BR"; empty for English.
    QString Language() const { return language_; }

private:
    QString language_;
    QTranslator english_;
    QTranslator program_;
    QTranslator qt_;
};

// Where the program's compiled translations lie among its resources, morvelin_<language>.qm.
inline constexpr char kTranslationsFolder[] = ":/i18n";
