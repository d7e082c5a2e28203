#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The one spelling the paste readers and the notation's words are compared in: lower case, the
// digits of every script as ASCII digits, every blank a space, "\r\n" and "\r" a "\n", the minus
// signs and dashes "-", "×" a "*", the Arabic percent sign "%", and the marks that only set the
// direction of the text around them dropped. No value when a number mixes two scripts' digits.
std::optional<QString> CanonicalText(QStringView text);

// The same for a word of the locale's data, which holds no number: never empty-handed.
QString CanonicalWord(QStringView word);

// The text's characters, a pair of surrogates as one.
QStringList Characters(QStringView text);
