// Cubic's solve of a polygon whose one point moves each time, as in a drag: a fresh solve, which
// is also what the first solve of a point count costs, beside the replay of the last solve's record.
#include <benchmark/benchmark.h>

#include "SplineSolver.h"

namespace {

// A zig-zag of `count` points whose middle one is moved `shift` pixels to the right.
void addZigzag(SplineSolver& solver, std::int32_t count, std::int32_t shift) {
    for (std::int32_t k = 0; k < count; ++k)
        solver.addPoint(20 + 530 * k / count + (k == count / 2 ? shift : 0), 20 + k % 2 * 400);
}

void freshSolve(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    std::int32_t shift = 0;
    for (auto _ : state) {
        SplineSolver solver;
        addZigzag(solver, count, ++shift % 50);
        solver.solve(0);
        benchmark::DoNotOptimize(solver.xCoefficients()[count / 2]);
    }
}

void replayedSolve(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    SplineSolver solver;
    addZigzag(solver, count, 0);
    solver.solve(0);
    std::int32_t shift = 0;
    for (auto _ : state) {
        solver.clearPoints();
        addZigzag(solver, count, ++shift % 50);
        solver.solve(0);
        benchmark::DoNotOptimize(solver.xCoefficients()[count / 2]);
    }
}

BENCHMARK(freshSolve)->Name("cubicSolve/fresh")->ArgName("points")->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK(replayedSolve)->Name("cubicSolve/replay")->ArgName("points")->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK(freshSolve)->Name("cubicSolve/fresh")->ArgName("points")->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(replayedSolve)->Name("cubicSolve/replay")->ArgName("points")->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
