#include "paste_text.h"

#include <QChar>
#include <QList>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::u32string_view kDirectionMarks =
    U"\u200e\u200f\u061c\u202a\u202b\u202c\u202d\u202e\u2066\u2067\u2068\u2069";
// The minus sign and the dashes: whether one is a minus, a range or a whole amount ("120.–") is
// the readers' to say, from where it stands.
constexpr std::u32string_view kDashes = U"-\u2212\u2012\u2013\u2014\ufe63\uff0d";

struct Respelling {
    char32_t From;
    char32_t To;
};
constexpr std::array<Respelling, 3> kRespellings{{{U'\u00d7', U'*'}, {U'\u066a', U'%'}, {U'\uff05', U'%'}}};

bool In(std::u32string_view set, char32_t c) { return set.find(c) != std::u32string_view::npos; }

void Append(QString& text, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        text += QChar(QChar::highSurrogate(c));
        text += QChar(QChar::lowSurrogate(c));
    } else {
        text += QChar(static_cast<char16_t>(c));
    }
}

char32_t Respelled(char32_t c) {
    if (In(kDashes, c)) return U'-';
    if (c != U'\n' && QChar::isSpace(c)) return U' ';
    const auto* row = std::ranges::find(kRespellings, c, &Respelling::From);
    return row != kRespellings.end() ? row->To : QChar::toLower(c);
}

}  // namespace

std::optional<QString> CanonicalText(QStringView text) {
    QString canonical;
    canonical.reserve(text.size());
    const QList<uint> codes = text.toUcs4();
    char32_t zeroBefore = 0;  // the zero of the digit just written, 0 after anything else
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const char32_t c = codes[i];
        if (In(kDirectionMarks, c)) continue;
        if (c == U'\r') {
            if (i + 1 < codes.size() && codes[i + 1] == U'\n') ++i;
            canonical += u'\n';
            zeroBefore = 0;
            continue;
        }
        if (QChar::isDigit(c)) {
            const char32_t zero = c - char32_t(QChar::digitValue(c));
            if (zeroBefore != 0 && zero != zeroBefore) return std::nullopt;
            zeroBefore = zero;
            canonical += QChar(u'0' + QChar::digitValue(c));
            continue;
        }
        zeroBefore = 0;
        Append(canonical, Respelled(c));
    }
    return canonical;
}

QString CanonicalWord(QStringView word) { return CanonicalText(word).value_or(QString()).trimmed(); }

QStringList Characters(QStringView text) {
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype size = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        characters << text.sliced(i, size).toString();
        i += size - 1;
    }
    return characters;
}
