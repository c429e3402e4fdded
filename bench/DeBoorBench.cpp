// One point of a B-spline of degree 3, 10 and 20: the curve's shared levels beside the plain
// recursion they replace (2^d evaluations at level 0).
#include <benchmark/benchmark.h>

#include <vector>

#include "DeBoorCurve.h"
#include "LiteralCurves.h"

namespace {

// A zig-zag of 2d points over uniform knots 0, 1, 2, ...
struct Zigzag {
    explicit Zigzag(std::int32_t degree) {
        curve.setDegree(degree);
        for (std::int32_t i = 0; i < 2 * degree; ++i) {
            points.push_back({float(20 * i), float(i % 2 * 400)});
            curve.addPoint(points.back().x, points.back().y);
        }
        curve.completeKnots();
    }
    DeBoorCurve curve;
    std::vector<Vec2> points;
};

void sharedLevels(benchmark::State& state) {
    Zigzag zigzag(static_cast<std::int32_t>(state.range(0)));
    const float x = zigzag.curve.mapParameter(0.37f);
    const std::int32_t span = zigzag.curve.findSpan(0.37f).value();
    for (auto _ : state) benchmark::DoNotOptimize(zigzag.curve.deBoor(x, span));
}

void plainRecursion(benchmark::State& state) {
    Zigzag zigzag(static_cast<std::int32_t>(state.range(0)));
    const float x = zigzag.curve.mapParameter(0.37f);
    const std::int32_t span = zigzag.curve.findSpan(0.37f).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(deBoorRecursion(zigzag.curve, zigzag.points, x, span, zigzag.curve.degree()));
}

void degrees(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("degree")->Arg(3)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(sharedLevels)->Name("deBoorPoint/sharedLevels")->Apply(degrees);
BENCHMARK(plainRecursion)->Name("deBoorPoint/plainRecursion")->Apply(degrees);

}  // namespace
