#include "key_map.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <array>

namespace {

constexpr ButtonIndex kEquals = 22;

struct KeyCodeRow {
    int Key;
    ButtonIndex Index;
};

inline constexpr std::array<KeyCodeRow, 5> kAnyKeyRows{{
    {Qt::Key_Backspace, 0},
    {Qt::Key_Delete, 1},
    {Qt::Key_Escape, 2},
    // A focused push button ignores Enter, so the key would otherwise do nothing.
    {Qt::Key_Return, kEquals},
    {Qt::Key_Enter, kEquals},
}};

// By digit 0..9.
inline constexpr std::array<ButtonIndex, 10> kDigitIndexes{18, 13, 14, 15, 8, 9, 10, 3, 4, 5};

inline constexpr std::array<KeyCodeRow, 6> kKeypadRows{{
    {Qt::Key_Plus, 21},
    {Qt::Key_Minus, 16},
    {Qt::Key_Asterisk, 11},
    {Qt::Key_Slash, 6},
    {Qt::Key_Period, 20},
    {Qt::Key_Comma, 20},  // the keypad's decimal key on layouts with a decimal comma
}};

struct CharacterRow {
    char16_t Typed;
    std::string_view Mode;  // empty: every mode
    ButtonIndex Index;
};

inline constexpr std::array<CharacterRow, 16> kCharacterRows{{
    {u'S', {}, 7},
    {u's', {}, 7},
    {u'P', {}, 12},
    {u'p', {}, 12},
    {u'R', {}, 17},
    {u'r', {}, 17},
    {u'X', {}, 11},
    {u'x', {}, 11},
    {u'=', {}, kEquals},
    // For keyboards without a keypad, and so that dates and times type as they are written.
    {u'+', {}, 21},
    {u'-', {}, 16},
    {u'*', {}, 11},
    {u'/', kNumberMode, 6},
    {u'/', kDateMode, 20},
    {u'.', kNumberMode, 20},
    {u':', kTimeMode, 20},
}};

constexpr bool IsPrintable(char16_t typed) { return typed >= u' ' && typed != u'\x7f'; }

template <std::size_t N>
std::optional<ButtonIndex> IndexOfKey(const std::array<KeyCodeRow, N>& rows, int key) {
    const auto row = std::ranges::find(rows, key, &KeyCodeRow::Key);
    return row != rows.end() ? std::optional{row->Index} : std::nullopt;
}

}  // namespace

std::optional<ButtonIndex> KeyDownIndex(int key, bool keypad, char16_t typed) {
    if (const auto index = IndexOfKey(kAnyKeyRows, key)) return index;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int digit = key - Qt::Key_0;
        // A layout that types another character with this key and Shift ("*" on Shift+8) meant
        // that character; the character table decides.
        if (IsPrintable(typed) && typed != u'0' + digit) return std::nullopt;
        return kDigitIndexes[static_cast<std::size_t>(digit)];
    }
    return keypad ? IndexOfKey(kKeypadRows, key) : std::nullopt;
}

std::optional<ButtonIndex> KeyPressIndex(char16_t typed, std::string_view mode) {
    if (typed >= u'0' && typed <= u'9') return kDigitIndexes[static_cast<std::size_t>(typed - u'0')];
    const auto row = std::ranges::find_if(
        kCharacterRows, [&](const CharacterRow& r) { return r.Typed == typed && (r.Mode.empty() || r.Mode == mode); });
    return row != kCharacterRows.end() ? std::optional{row->Index} : std::nullopt;
}

std::vector<ButtonIndex> PastedKeys(QStringView text, std::string_view mode) {
    std::vector<ButtonIndex> keys;
    const QStringView lines = text.trimmed();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const char16_t c = lines[i].unicode();
        if (c == u'\r' && lines.sliced(i + 1).startsWith(u'\n')) continue;  // one Enter for "\r\n"
        const auto index = c == u'\r' || c == u'\n' ? std::optional{kEquals} : KeyPressIndex(c, mode);
        if (index) keys.push_back(*index);
    }
    return keys;
}
