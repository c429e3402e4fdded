// One complete redraw of the drawing panel for every construction, over point counts and
// resolutions, and the cost of an idle frame and of a frame while a point is dragged; per
// construction also the point counts whose redraw at the initial resolution takes 8 ms and 1 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>

#include "BenchScene.h"

namespace {

void redrawRepeatedly(benchmark::State& state, BenchScene& bench) {
    Panel& drawing = *bench.scene.drawingPanel;
    for (auto _ : state) {
        drawing.dirty = 1;
        drawing.update();
    }
}

void redraw(benchmark::State& state, std::size_t entry, bool maximum) {
    BenchScene bench;
    bench.select(entry);
    bench.addPoints(static_cast<int>(state.range(0)));
    if (ScrollBar* bar = bench.resolutionBar(); bar != nullptr && maximum)
        bar->setPosition(bench.headless->control(bar->handle)->scrollMax);
    redrawRepeatedly(state, bench);
}

// The B-spline (the first entry) of a typed degree, 64 points at maximum resolution.
void redrawBSplineOfDegree(benchmark::State& state) {
    BenchScene bench;
    bench.addPoints(64);
    bench.resolutionBar()->setPosition(20);
    const NativeHandle degreeBox = bench.headless->liveControls({HeadlessControl::Role::EditBox}).back();
    bench.headless->typeText(degreeBox, std::to_string(state.range(0)));
    bench.window->update();
    redrawRepeatedly(state, bench);
}

// The fastest of up to three redraws with `count` points at the initial resolution, in seconds;
// the first is the only one when it is far over `limit`. The fastest leaves out the first
// redraw's set-up (BB-Form's binomial rows, the working arrays).
double redrawSeconds(std::size_t entry, int count, double limit) {
    BenchScene bench;
    bench.select(entry);
    bench.addPoints(count);
    Panel& drawing = *bench.scene.drawingPanel;
    double fastest = 0;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        drawing.dirty = 1;
        drawing.update();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        fastest = run == 0 ? seconds : std::min(fastest, seconds);
        if (fastest > 2 * limit) break;
    }
    return fastest;
}

// The largest point count from `from` on whose redraw stays within `limit` seconds: doubling
// until the limit is passed, then bisection to within 2 %. MOST_POINTS stands for "at least".
constexpr int MOST_POINTS = 1 << 17;

int largestCountWithin(std::size_t entry, double limit, int from) {
    int under = from, over = 2 * from;
    while (redrawSeconds(entry, over, limit) <= limit) {
        under = over;
        if (under >= MOST_POINTS) return under;
        over *= 2;
    }
    while (over - under > std::max(1, under / 50)) {
        const int middle = under + (over - under) / 2;
        (redrawSeconds(entry, middle, limit) <= limit ? under : over) = middle;
    }
    return under;
}

void redrawLimits(benchmark::State& state, std::size_t entry) {
    for (auto _ : state) {
        const int at8ms = largestCountWithin(entry, 0.008, 1);
        state.counters["points@8ms"] = at8ms;
        state.counters["points@1s"] = largestCountWithin(entry, 1.0, at8ms);
    }
}

void idleFrame(benchmark::State& state) {
    BenchScene bench;
    bench.select(bench.scene.tab->entries.size() - 1);
    bench.addPoints(16);
    bench.window->update();
    for (auto _ : state) bench.window->update();
}

// Presses the left button `offset` pixels right of point `index`'s centre; answers the cursor.
std::pair<int, int> grab(BenchScene& bench, std::size_t index, int offset) {
    const ControlPoint& grabbed = *bench.scene.manager->points[index];
    const Panel& drawing = *bench.scene.drawingPanel;
    const std::pair<int, int> cursor{drawing.x + grabbed.x + offset, drawing.y + grabbed.y};
    bench.headless->setCursor(cursor.first, cursor.second);
    bench.headless->post(WM_LBUTTONDOWN);
    bench.window->update();
    return cursor;
}

// The left button holds a point while the cursor moves a pixel each frame.
void dragRepeatedly(benchmark::State& state, BenchScene& bench) {
    const Panel& drawing = *bench.scene.drawingPanel;
    auto [x, y] = grab(bench, 3, 0);
    int step = 1;
    for (auto _ : state) {
        x += step;
        if (x > drawing.x + drawing.width - 20 || x < drawing.x + 20) step = -step;
        bench.headless->setCursor(x, y);
        bench.window->update();
    }
}

void dragFrame(benchmark::State& state) {
    BenchScene bench;
    bench.select(bench.scene.tab->entries.size() - 1);
    bench.addPoints(16);
    dragRepeatedly(state, bench);
}

// Cubic Splines (the second entry), at its initial or maximum resolution.
void cubicDragFrame(benchmark::State& state) {
    BenchScene bench;
    bench.select(1);
    bench.addPoints(static_cast<int>(state.range(0)));
    if (state.range(1) != 0) bench.resolutionBar()->setPosition(20);
    bench.window->update();
    dragRepeatedly(state, bench);
}

// The idle frame's scene with a point grabbed off its centre and held still.
void heldStillFrame(benchmark::State& state) {
    BenchScene bench;
    bench.select(bench.scene.tab->entries.size() - 1);
    bench.addPoints(16);
    grab(bench, 3, 2);
    for (auto _ : state) bench.window->update();
}

void registerAll() {
    BenchScene probe;
    const auto& entries = probe.scene.tab->entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].factory == nullptr) continue;
        for (bool maximum : {false, true}) {
            const std::string name = std::string("redraw/") + entries[i].label + (maximum ? "/maxRes" : "/defaultRes");
            // Wall time: NLI constructs a large curve on two threads.
            benchmark::RegisterBenchmark(name.c_str(), redraw, i, maximum)
                ->UseRealTime()
                ->ArgName("points")
                ->Arg(4)
                ->Arg(16)
                ->Arg(64)
                ->Arg(256)
                ->Arg(1000)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("redraw/DeBoor Splines/maxRes/points:64", redrawBSplineOfDegree)
        ->ArgName("degree")
        ->Arg(3)
        ->Arg(10)
        ->Arg(20)
        ->Unit(benchmark::kMillisecond);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].factory != nullptr)
            benchmark::RegisterBenchmark((std::string("limits/") + entries[i].label).c_str(), redrawLimits, i)
                ->Iterations(1)
                ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("frame/idle", idleFrame)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frame/heldStill", heldStillFrame)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frame/drag", dragFrame)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("frame/drag/Cubic Splines", cubicDragFrame)
        ->ArgNames({"points", "maxRes"})
        ->Args({256, 0})
        ->Args({256, 1})
        ->Args({1000, 0})
        ->Args({1000, 1})
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
