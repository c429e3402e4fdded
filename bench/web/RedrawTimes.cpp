// The browser build's redraw of every construction at 64 and 256 points at maximum resolution:
// the same wasm as the page's (em++, wasm SIMD, one thread), run under node. Prints the mean of
// the redraws of half a second per row, in the names of the desktop's benchmarks.
#include <chrono>
#include <cstdio>

#include "BenchScene.h"

namespace {

double meanRedrawMilliseconds(BenchScene& bench) {
    using Clock = std::chrono::steady_clock;
    Panel& drawing = *bench.scene.drawingPanel;
    const Clock::time_point start = Clock::now();
    int redraws = 0;
    for (; redraws < 3 || Clock::now() - start < std::chrono::milliseconds(500); ++redraws) {
        drawing.dirty = 1;
        drawing.update();
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / redraws;
}

}  // namespace

int main() {
    const std::size_t entries = BenchScene().scene.tab->entries.size();
    for (std::size_t entry = 0; entry < entries; ++entry) {
        for (int points : {64, 256}) {
            BenchScene bench;
            if (bench.scene.tab->entries[entry].factory == nullptr) continue;
            bench.select(entry);
            bench.addPoints(points);
            if (ScrollBar* bar = bench.resolutionBar())
                bar->setPosition(bench.headless->control(bar->handle)->scrollMax);
            bench.scene.drawingPanel->update();  // the first redraw's set-up is not timed
            std::printf("redraw/%s/maxRes/points:%d %.2f\n", bench.scene.tab->entries[entry].label, points,
                        meanRedrawMilliseconds(bench));
        }
    }
    return 0;
}
