#include "NLI.h"

#include <system_error>
#include <thread>

#include "BezierSampling.h"
#include "GeneratorControls.h"
#include "PixelPath.h"
#include "ShellPainter.h"

namespace {
constexpr std::int32_t CURVE_DOT_RADIUS = 6;
// Lerp steps (points squared times parameters) from which a second thread pays for its start.
constexpr std::size_t SPLIT_STEPS = std::size_t{1} << 20;
}  // namespace

NLI::NLI(Panel* panel)
    : CurveGen(panel), shells(*panel), row(*panel), shorter(*panel, TWO_ROWS_HEIGHT_OFFSET) {
    layout();
}

void NLI::layout() {
    row.layoutIndented();
    shells.layout();
}

void NLI::drawCurve(const std::vector<ControlPoint*>& points) {
    if (points.empty()) return;
    const float h = bezierStep(points.size(), row.resolution());
    std::vector<float> parameters;
    for (float t = h; !(t > LAST_PARAMETER); t += h) parameters.push_back(t);
    const std::size_t count = parameters.size();
    // Whole groups of lanes: the last one is filled up with its last parameter, and the curve
    // points of the filling are left out.
    constexpr std::size_t LANES = CasteljauLanes::LANES;
    parameters.resize((count + LANES - 1) / LANES * LANES, count != 0 ? parameters.back() : 0.0f);
    std::vector<Vec2> curve(parameters.size());
    startConstruction(points);
    construct(parameters, curve);
    PixelPath path(*panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    path.moveTo(work[0]);
    for (std::size_t i = 0; i < count; ++i) path.lineTo(curve[i]);
    if (shells.shown()) drawShells(points, shells.parameter());
}

// Every group of parameters is constructed on its own: with a large polygon a second thread
// takes the later half, and two cores halve the time, with the same curve points. A build
// without threads (the browser's) reports exactly one core, so it never tries to start one.
void NLI::construct(const std::vector<float>& parameters, std::vector<Vec2>& curve) {
    constexpr std::size_t LANES = CasteljauLanes::LANES;
    const auto run = [&](CasteljauLanes& runner, std::size_t from, std::size_t to) {
        for (std::size_t group = from; group < to; group += LANES) runner.run(work, &parameters[group], &curve[group]);
    };
    const std::size_t middle = parameters.size() / LANES / 2 * LANES;
    std::thread later;
    if (work.size() * work.size() * parameters.size() >= SPLIT_STEPS && std::thread::hardware_concurrency() > 1) {
        try {
            later = std::thread(run, std::ref(laterLanes), middle, parameters.size());
        } catch (const std::system_error&) {  // no thread to be had: all on this one
        }
    }
    run(lanes, 0, later.joinable() ? middle : parameters.size());
    if (later.joinable()) later.join();
}

// Levels 1 to n - 2 as grey polylines with small dots, then the large dot on the curve.
void NLI::drawShells(const std::vector<ControlPoint*>& points, float s) {
    startConstruction(points);
    ShellPainter painter(*panel);
    for (std::size_t m = work.size(); m > 1;) {
        for (std::size_t k = 0; k + 2 <= m; ++k) work[k].lerp(work[k + 1], s);
        if (--m <= 1) break;
        painter.level(work.data(), m, 1);
    }
    painter.dot(work[0], CURVE_DOT_RADIUS);
}

void NLI::startConstruction(const std::vector<ControlPoint*>& points) { readPolygon(points, work); }
