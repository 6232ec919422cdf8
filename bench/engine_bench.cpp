// Times the engine's hot paths: formatting the three row texts (done for
// every visible row on every paint) and a stream of keystrokes.
#include <benchmark/benchmark.h>

#include "engine/calc_state.h"
#include "engine/format.h"
#include "engine/operators.h"

void SoundEntryBeep() {}

namespace {

const uint64_t SAMPLE_VALUES[] = {0, 1000, 0x7FFFFFFFFFFFFFFFull, 0x8000000000000000ull, ~0ull};

void FormatRow(benchmark::State& state, int32_t radix, int32_t group, char separator,
               bool isSigned)
{
    char buffer[FORMAT_BUFFER_SIZE];
    SetFieldWidth(79);
    size_t i = 0;
    for (auto _ : state) {
        FormatNumber(SAMPLE_VALUES[i++ % 5], buffer, radix, group, separator, isSigned);
        benchmark::DoNotOptimize(buffer);
    }
}

void BM_FormatHexRow(benchmark::State& state) { FormatRow(state, 16, 4, '-', false); }
void BM_FormatDecRow(benchmark::State& state) { FormatRow(state, 10, 3, ',', true); }
void BM_FormatBinRow(benchmark::State& state) { FormatRow(state, 2, 4, '-', false); }

// A typical session: numbers typed digit by digit and combined by operators.
void BM_KeystrokeStream(benchmark::State& state)
{
    const char KEYS[] = "1F3A+77*5-9C/3%B<4>2&FFF|10^5=~!\x1b";
    for (auto _ : state) {
        for (const char* k = KEYS; *k; k++) {
            char c = *k;
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))
                EnterDigit(c <= '9' ? c - '0' : c - 'A' + 10);
            else
                PressOperatorKey(c);
        }
        benchmark::DoNotOptimize(g_calc);
    }
    state.SetItemsProcessed(state.iterations() * (int64_t)(sizeof KEYS - 1));
}

BENCHMARK(BM_FormatHexRow);
BENCHMARK(BM_FormatDecRow);
BENCHMARK(BM_FormatBinRow);
BENCHMARK(BM_KeystrokeStream);

} // namespace

BENCHMARK_MAIN();
