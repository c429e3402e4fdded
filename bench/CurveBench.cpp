// The replaced forms beside the literal ones, in one run, over every curve point of a redraw at
// maximum resolution: Polynomial's centred form against Newton's literal sums, the Bernstein
// weights as ratios against float powers and Pascal's triangle, NLI's vector lanes against one
// parameter at a time.
#include <benchmark/benchmark.h>

#include "BernsteinSum.h"
#include "BezierSampling.h"
#include "CasteljauLanes.h"
#include "LiteralCurves.h"
#include "NewtonInterpolator.h"

namespace {

constexpr std::int32_t MAXIMUM_RESOLUTION = 20;

// A zig-zag across a 570 x 450 panel, at whole pixels as control points are.
struct Zigzag {
    explicit Zigzag(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            polygon.push_back({static_cast<float>(20 + 530 * i / (count - 1)), i % 2 == 0 ? 40.0f : 410.0f});
    }
    std::vector<Vec2> polygon;
};

// Every parameter of a polynomial redraw, interval by interval.
template <typename Evaluate>
void polynomialRedraw(std::size_t count, Evaluate&& evaluate) {
    const double step = 1.0 / MAXIMUM_RESOLUTION;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        evaluate(i, static_cast<double>(i));
        for (double s = step; s < 1.0; s += step) evaluate(i, static_cast<double>(i) + s);
        evaluate(i, static_cast<double>(i) + 1.0);
    }
}

void polynomialLiteral(benchmark::State& state) {
    const Zigzag zigzag(static_cast<std::size_t>(state.range(0)));
    const std::vector<double> xs = literalNewtonCoefficients(zigzag.polygon, &Vec2::x);
    const std::vector<double> ys = literalNewtonCoefficients(zigzag.polygon, &Vec2::y);
    for (auto _ : state)
        polynomialRedraw(zigzag.polygon.size(), [&](std::size_t, double t) {
            benchmark::DoNotOptimize(literalNewton(xs, t));
            benchmark::DoNotOptimize(literalNewton(ys, t));
        });
}

void polynomialCentred(benchmark::State& state) {
    const Zigzag zigzag(static_cast<std::size_t>(state.range(0)));
    NewtonInterpolator interpolator;
    for (const Vec2& p : zigzag.polygon)
        interpolator.addPoint(static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y));
    interpolator.prepare();
    for (auto _ : state)
        polynomialRedraw(zigzag.polygon.size(), [&](std::size_t interval, double t) {
            if (t == static_cast<double>(interval)) interpolator.centreOn(static_cast<std::int32_t>(interval));
            benchmark::DoNotOptimize(interpolator.evaluate(t));
        });
}

std::vector<float> bezierParameters(std::size_t count) {
    const float h = bezierStep(count, MAXIMUM_RESOLUTION);
    std::vector<float> parameters;
    for (float t = h; !(t > LAST_PARAMETER); t += h) parameters.push_back(t);
    return parameters;
}

void bernsteinLiteral(benchmark::State& state) {
    const Zigzag zigzag(static_cast<std::size_t>(state.range(0)));
    const std::vector<double> row = pascalRow(zigzag.polygon.size() - 1);
    for (auto _ : state)
        for (float t : bezierParameters(zigzag.polygon.size()))
            benchmark::DoNotOptimize(literalBernstein(zigzag.polygon, row, t));
}

void bernsteinRatios(benchmark::State& state) {
    const Zigzag zigzag(static_cast<std::size_t>(state.range(0)));
    BernsteinSum sum;
    for (auto _ : state)
        for (float t : bezierParameters(zigzag.polygon.size())) benchmark::DoNotOptimize(sum.at(zigzag.polygon, t));
}

void casteljauScalar(benchmark::State& state) {
    const Zigzag zigzag(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        for (float t : bezierParameters(zigzag.polygon.size()))
            benchmark::DoNotOptimize(literalCasteljau(zigzag.polygon, t));
}

void casteljauLanes(benchmark::State& state) {
    const Zigzag zigzag(static_cast<std::size_t>(state.range(0)));
    std::vector<float> parameters = bezierParameters(zigzag.polygon.size());
    parameters.resize((parameters.size() / CasteljauLanes::LANES + 1) * CasteljauLanes::LANES, 1.0f);
    std::vector<Vec2> curve(parameters.size());
    CasteljauLanes lanes;
    for (auto _ : state) {
        for (std::size_t group = 0; group < parameters.size(); group += CasteljauLanes::LANES)
            lanes.run(zigzag.polygon, &parameters[group], &curve[group]);
        benchmark::DoNotOptimize(curve.data());
    }
}

void pointCounts(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("points")->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);
}

BENCHMARK(polynomialLiteral)->Name("curvePoints/Polynomial/literal")->Apply(pointCounts);
BENCHMARK(polynomialCentred)->Name("curvePoints/Polynomial/centred")->Apply(pointCounts);
BENCHMARK(bernsteinLiteral)->Name("curvePoints/BB-Form/literal")->Apply(pointCounts);
BENCHMARK(bernsteinRatios)->Name("curvePoints/BB-Form/ratios")->Apply(pointCounts);
BENCHMARK(casteljauScalar)->Name("curvePoints/NLI/scalar")->Apply(pointCounts);
BENCHMARK(casteljauLanes)->Name("curvePoints/NLI/lanes")->Apply(pointCounts);

}  // namespace
