#pragma once

#include <QString>
#include <QStringView>

// The regular expression of a QLocale date or time pattern ("dddd, d. MMMM yyyy", "AP h:mm",
// "H時mm分ss秒 zzzz"), over the paste's canonical spelling: a weekday, the seconds and an AM/PM
// text may be left out with the literal that joins them, a literal that ends the pattern too;
// a zone is not read. A number never runs into the next digit, a name never into the next
// letter, a year has four digits, minutes and seconds two. Names are read as words, to be looked
// up; `dayHalves` is the alternation of the AM/PM texts. Names of groups: see Notation.
QString FormExpression(QStringView pattern, const QString& dayHalves);
