// One fuzzer for the engine. Each input is used twice: as a text for the conversions, and as keys
// typed on the pad, so that a corpus file reads like what a person types:
//   digits, "+", "-", "*" (X or Dif), "=" as written; "/", ":" and "." the mode's separator;
//   N, D, T switch to Number, Date or Time mode;
//   b Backspace, e CE, c C, d divide, s sqrt, p %, r 1/x, n +/-, w today or now (Monday,
//   07/12/2026 14:03:27); any other byte is skipped.
// A broken invariant prints the input and what failed, then aborts, which libFuzzer reports.

#include "calc_engine.h"
#include "date_time.h"
#include "key_table.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace {

// The character that presses each key, by ButtonIndex; "/" and ":" press key 20 too.
constexpr std::string_view kKeyChars = "bec789ds456*p123-r0n.+=";
static_assert(kKeyChars.size() == kKeyCount);
// Every press reads the whole entry, so the entry's length is capped through the input's.
constexpr std::size_t kMaxActions = 4096;
constexpr std::size_t kDisplayWidth = 15;
constexpr std::string_view kError = "ERROR";
constexpr DateTime kMoment{std::chrono::sys_days{std::chrono::year{2026} / 12 / 7} + std::chrono::seconds{50607}};

struct DifferenceForm {
    const char* Format;  // read with sscanf and written again with snprintf: the text must match
    long long MiddleLimit;
    long long SmallLimit;
};
// Days reach 31: they count from a day that adding years or months may have clamped
// (29/02/2160 to 28/09/8598 is 6438 Years: 6 Months: 31 Days).
constexpr DifferenceForm kDateDifference{"%lld Years: %lld Months: %lld Days", 11, 31};
constexpr DifferenceForm kTimeDifference{"%lld Hours: %lld Minutes: %lld Seconds ", 59, 59};

// libFuzzer keeps the whole input as an artifact; its start is printed to tell failures apart.
[[noreturn]] void Fail(std::string_view input, std::string_view what, std::string_view shown = {}) {
    std::fprintf(stderr, "\nengine_fuzzer: %.*s\n  input: \"%.*s\"\n  shown: \"%.*s\"\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(std::min<std::size_t>(input.size(), 300)), input.data(),
                 static_cast<int>(shown.size()), shown.data());
    std::abort();
}

void CheckNumber(std::string_view input) {
    const double x = NumericValue(input);
    if (std::isnan(x)) Fail(input, "NumericValue gave NaN");
    if (!std::isfinite(x)) return;
    const std::string text = NumberText(x);
    const double tolerance = std::max(1e-14 * std::abs(x), std::numeric_limits<double>::denorm_min());
    if (!(std::abs(NumericValue(text) - x) <= tolerance)) Fail(input, "NumberText does not read back", text);
    const std::string cut = CutToDisplay(text);
    const std::size_t e = text.find('E');
    if (cut.size() > kDisplayWidth || (e != std::string::npos && !cut.ends_with(text.substr(e))))
        Fail(input, "the display cut is too wide or lost the exponent", cut);
}

// The C library's search: a loop here would be slowed down by the fuzzer's instrumentation.
bool ShowsInfOrNan(const std::string& shown) {
    return strcasestr(shown.c_str(), "inf") != nullptr || strcasestr(shown.c_str(), "nan") != nullptr;
}

void CheckShown(std::string_view input, const CalcEngine& engine, const std::string& shown) {
    const std::string_view message = engine.CalcMode == kDateMode   ? "Error! Wrong Date format"
                                     : engine.CalcMode == kTimeMode ? "Error! Wrong Time format"
                                                                    : "";
    if (shown != engine.EntryText && (message.empty() || shown != message || !engine.EntryText.empty()))
        Fail(input, "the display is neither EntryText nor the mode's format message", shown);
    if (ShowsInfOrNan(shown)) Fail(input, "inf or nan shown", shown);
}

// A date or time the engine wrote must read back and be written the same way again.
void CheckShownDate(std::string_view input, const CalcEngine& engine, const std::string& shown, bool moved) {
    const auto value = DateTimeValue(shown);
    if (!value || (engine.CalcMode == kDateMode ? DateText(*value) : DateTimeText(*value)) != shown)
        Fail(input, "a shown date or time does not round-trip", shown);
    if (moved && engine.CalcMode == kTimeMode && std::chrono::floor<std::chrono::days>(value->Time) != kZeroDate)
        Fail(input, "a moved time is not a time of day", shown);
}

void CheckDifference(std::string_view input, const CalcEngine& engine, const std::string& shown) {
    const DifferenceForm& form = engine.CalcMode == kDateMode ? kDateDifference : kTimeDifference;
    std::array<long long, 3> counts{-1, -1, -1};
    std::sscanf(shown.c_str(), form.Format, &counts[0], &counts[1], &counts[2]);
    std::array<char, 128> again{};
    std::snprintf(again.data(), again.size(), form.Format, counts[0], counts[1], counts[2]);
    if (shown != again.data()) Fail(input, "a difference is not in its form", shown);
    if (std::ranges::min(counts) < 0 || counts[1] > form.MiddleLimit || counts[2] > form.SmallLimit)
        Fail(input, "a difference count is out of range", shown);
}

void CheckPress(std::string_view input, const CalcEngine& engine, std::string_view caption, std::string_view pending,
                const std::string& shown) {
    CheckShown(input, engine, shown);
    if (engine.CalcMode == kNumberMode) {
        if ((caption == "=" || caption == "1/x" || caption == "sqrt") && shown != kError &&
            shown.size() > kDisplayWidth)
            Fail(input, "a result wider than the display", shown);
        // The next operator computes with the result kept, so it must be the finite number shown.
        const auto* result = std::get_if<double>(&engine.Operand1);
        if (caption == "=" && shown != kError &&
            (result == nullptr || !std::isfinite(*result) || CutToDisplay(NumberText(*result)) != shown))
            Fail(input, "the result shown is not the finite result kept", shown);
        return;
    }
    if (shown != engine.EntryText) return;  // the format message, checked above
    const bool moved = caption == "=" && (pending == "Add" || pending == "Sub");
    if (moved || caption == "Add" || caption == "Sub" || caption == "Dif") CheckShownDate(input, engine, shown, moved);
    if (caption == "=" && pending == "Dif") CheckDifference(input, engine, shown);
}

void PressKeys(std::string_view input) {
    CalcEngine engine;
    for (char c : input.substr(0, kMaxActions)) {
        if (c == 'N' || c == 'D' || c == 'T')
            engine.ApplyMode(c == 'N' ? kNumberMode : c == 'D' ? kDateMode : kTimeMode);
        if (c == 'w') {
            // Typed or refused; typed, it is the entry and a date or time of the mode.
            if (const auto typed = engine.TypeNow(kMoment)) {
                CheckShown(input, engine, typed->DisplayText);
                CheckShownDate(input, engine, typed->DisplayText, false);
            }
            continue;
        }
        if (c == '/' || c == ':') c = '.';
        const auto index = static_cast<ButtonIndex>(kKeyChars.find(c));
        if (!engine.Enabled(index)) continue;  // the window never presses a disabled key
        const std::string pending = engine.PendingOp;
        const std::string_view caption = engine.Caption(index);
        CheckPress(input, engine, caption, pending, engine.Press(index).DisplayText);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckNumber(input);
    PressKeys(input);
    return 0;
}
