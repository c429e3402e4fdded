// A binomial coefficient beyond the 150 rows built at once: memoised rows against Pascal's
// rule recursed down to row 149, which doubles its cost with every further degree.
#include <benchmark/benchmark.h>

#include "BinomialTable.h"

namespace {

double recursed(BinomialTable& table, int k, int i) {
    if (i >= k || i == 0) return 1.0;
    if (k < BinomialTable::BUILT_ROWS) return table.coef(k, i);
    return recursed(table, k - 1, i - 1) + recursed(table, k - 1, i);
}

// One whole row of degree `degree`, as one curve point of that degree needs it.
void memoisedRow(benchmark::State& state) {
    const auto degree = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BinomialTable table;
        for (int i = 0; i <= degree; ++i) benchmark::DoNotOptimize(table.coef(degree, i));
    }
}

void recursedRow(benchmark::State& state) {
    const auto degree = static_cast<int>(state.range(0));
    BinomialTable table;
    for (auto _ : state)
        for (int i = 0; i <= degree; ++i) benchmark::DoNotOptimize(recursed(table, degree, i));
}

BENCHMARK(memoisedRow)->ArgName("degree")->Arg(150)->Arg(160)->Arg(170)->Unit(benchmark::kMillisecond);
BENCHMARK(recursedRow)->ArgName("degree")->Arg(150)->Arg(160)->Arg(170)->Unit(benchmark::kMillisecond);

}  // namespace
