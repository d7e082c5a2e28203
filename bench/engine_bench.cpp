// Costs of key presses: whole computations in each mode, and single presses on a long entry.
#include "calc_engine.h"
#include "calendar.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

ButtonIndex IndexOf(const CalcEngine& engine, std::string_view caption) {
    for (ButtonIndex i = 0; i < static_cast<ButtonIndex>(kKeyCount); ++i) {
        if (engine.Enabled(i) && engine.Caption(i) == caption) return i;
    }
    throw std::invalid_argument("no enabled key " + std::string(caption));
}

// Key captions separated by blanks; any other word is typed character by character.
std::vector<ButtonIndex> Keys(std::string_view mode, const std::string& sequence) {
    CalcEngine engine;
    engine.ApplyMode(mode);
    std::vector<ButtonIndex> keys;
    std::istringstream words(sequence);
    for (std::string word; words >> word;) {
        try {
            keys.push_back(IndexOf(engine, word));
        } catch (const std::invalid_argument&) {
            std::ranges::transform(word, std::back_inserter(keys),
                                   [&](char c) { return IndexOf(engine, std::string(1, c)); });
        }
    }
    return keys;
}

void Computation(benchmark::State& state, std::string_view mode, const std::string& sequence) {
    const std::vector<ButtonIndex> keys = Keys(mode, sequence);
    for (auto _ : state) {
        CalcEngine engine;
        engine.ApplyMode(mode);
        for (const ButtonIndex key : keys) benchmark::DoNotOptimize(engine.Press(key));
    }
    // Seconds per press, printed with an SI prefix (n for nanoseconds).
    state.counters["per_press"] = benchmark::Counter(
        static_cast<double>(keys.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(Computation, NumberChain, "Number", "1 2 3 . 4 5 + 6 7 8 X 9 = = sqrt 1/x");
BENCHMARK_CAPTURE(Computation, DateDif, "Date", "11/05/2000 Dif 9/10/2011 =");
BENCHMARK_CAPTURE(Computation, DateAdd, "Date", "11/05/2000 Add 01/00/03 = =");
BENCHMARK_CAPTURE(Computation, TimeDif, "Time", "11:05:20 Dif 19:10:23 =");
BENCHMARK_CAPTURE(Computation, TimeSub, "Time", "11:05:20 Sub 01:00:03 = =");

// The weekdays between the first and the last day of the range: arithmetic, whatever the span.
void WeekdaysOverTheRange(benchmark::State& state) {
    const DateTime first{kFirstDay}, last{kLastDay};
    for (auto _ : state) benchmark::DoNotOptimize(WeekdayCount(first, last));
    state.SetLabel(DateTimeText(first) + " to " + DateTimeText(last));
}
BENCHMARK(WeekdaysOverTheRange);

// One pair of presses that leaves the state as it found it, on an entry of range(0) digits.
void LongEntry(benchmark::State& state, std::string_view mode, std::string_view first, std::string_view second) {
    CalcEngine engine;
    engine.ApplyMode(mode);
    const ButtonIndex digit = IndexOf(engine, "7");
    for (std::int64_t i = 0; i < state.range(0); ++i) engine.Press(digit);
    const ButtonIndex a = IndexOf(engine, first);
    const ButtonIndex b = IndexOf(engine, second);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.Press(a));
        benchmark::DoNotOptimize(engine.Press(b));
    }
    state.SetComplexityN(state.range(0));
    state.counters["per_press"] =
        benchmark::Counter(2.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(LongEntry, DigitThenBackspace, "Number", "7", "Backspace")
    ->RangeMultiplier(10)
    ->Range(10, 100'000)
    ->Complexity();
BENCHMARK_CAPTURE(LongEntry, SignTwice, "Number", "+/-", "+/-")->RangeMultiplier(10)->Range(10, 100'000)->Complexity();
BENCHMARK_CAPTURE(LongEntry, DateSeparatorThenBackspace, "Date", "/", "Backspace")
    ->RangeMultiplier(10)
    ->Range(10, 100'000)
    ->Complexity();
BENCHMARK_CAPTURE(LongEntry, TimeDifThenC, "Time", "Dif", "C")->RangeMultiplier(10)->Range(10, 100'000)->Complexity();

}  // namespace

BENCHMARK_MAIN();
