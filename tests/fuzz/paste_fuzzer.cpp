// The paste reader's fuzzer. An input is a mode letter, a locale digit and the pasted text in
// UTF-8: "N0 1.234,5", "D3 3 juin 2008", "T5 午後3:30". A lower-case mode letter pastes while an
// Add waits for its period. It checks that no text crashes or hangs the reader, and that the keys
// of a text it accepts, pressed into a fresh engine, never meet the mode's format message: every
// date and time it types is one, and no operator of Date or Time mode follows anything else. Only
// "=" after Add or Sub may show it, for a date or time moved out of the pad's range; the keys
// after it are not checked.

#include "calc_engine.h"
#include "paste_reader.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Locales whose notations differ most: marks, month first, scripts, calendars, 12-hour clocks.
constexpr std::array<const char*, 10> kLocales{"C",     "en_US", "de_DE", "fr_FR", "en_IN",
                                               "ja_JP", "ko_KR", "fa_IR", "ar_EG", "th_TH"};

const std::vector<Notation>& Notations() {
    static const std::vector<Notation> notations = [] {
        std::vector<Notation> all;
        for (const char* name : kLocales) all.push_back(NotationOf(QLocale(QLatin1String(name))));
        return all;
    }();
    return notations;
}

// The engine as a paste after "Add" finds it: a date or time typed, Add pressed.
void AwaitPeriod(CalcEngine& engine) {
    const auto keys =
        PastedKeys(engine.CalcMode == kDateMode ? u"1/1/2000" : u"10:00", engine.CalcMode, Notations()[0]);
    for (const ButtonIndex key : *keys) engine.Press(key);
    engine.Press(21);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (size < 2 || input[1] < '0' || input[1] > '9') return 0;
    const char modeLetter = input[0];
    const std::string_view mode = modeLetter == 'N'                        ? kNumberMode
                                  : modeLetter == 'D' || modeLetter == 'd' ? kDateMode
                                  : modeLetter == 'T' || modeLetter == 't' ? kTimeMode
                                                                           : std::string_view{};
    if (mode.empty()) return 0;
    const bool periodAwaited = modeLetter == 'd' || modeLetter == 't';
    const QString text = QString::fromUtf8(input.substr(2));
    const auto keys = PastedKeys(text, mode, Notations()[std::size_t(input[1] - '0')],
                                 periodAwaited ? Awaited::Period : Awaited::Value);
    // A paste that starts with an operator goes on from an entry the fuzzer does not have.
    if (!keys || keys->empty() || keys->front() != 1 || mode == kNumberMode) return 0;
    CalcEngine engine;
    engine.ApplyMode(mode);
    if (periodAwaited) AwaitPeriod(engine);
    const std::string_view message = mode == kDateMode ? "Error! Wrong Date format" : "Error! Wrong Time format";
    for (const ButtonIndex key : *keys) {
        const bool moving = key == kEquals && (engine.PendingOp == "Add" || engine.PendingOp == "Sub");
        if (engine.Press(key).DisplayText != message) continue;
        // Out of the pad's range the rest of the keys go on from the message, as typed ones would.
        if (moving) break;
        std::fprintf(stderr, "\npaste_fuzzer: the keys end in the format message\n  input: \"%s\"\n", qPrintable(text));
        std::abort();
    }
    return 0;
}
