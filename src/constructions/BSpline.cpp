#include "BSpline.h"

#include <memory>

#include "ControlPoint.h"
#include "GeneratorControls.h"
#include "KnotText.h"
#include "PixelPath.h"
#include "ShellPainter.h"
#include "TextBox.h"
#include "TextObj.h"

namespace {
constexpr std::int32_t CURVE_DOT_RADIUS = 4;

const char* const INITIAL_KNOTS = "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15";
const char* const INITIAL_DEGREE = "3";

// An edit box in the frame panel, reporting to the BSpline. Its text is not parsed: the curve
// keeps its own starting values until the user edits the box.
TextBox* createTextBox(Panel& drawingPanel, std::int32_t height, TextBoxCallback callback, BSpline* bspline,
                       const char* text) {
    auto* box = new TextBox(drawingPanel.window, 0, 0, 100, height);
    drawingPanel.parent->addControl(box);
    box->callback = callback;
    box->userData = bspline;
    box->setText(text);
    return box;
}

TextObj* createLabel(Panel& drawingPanel, const char* text) {
    auto* label = new TextObj(text);
    drawingPanel.parent->addObject(label);
    return label;
}

}  // namespace

BSpline::BSpline(Panel* panel)
    : CurveGen(panel),
      shells(*panel),
      row(*panel),
      knotBox(createTextBox(*panel, ROW_HEIGHT, onKnotsEdited, this, INITIAL_KNOTS)),
      knotLabel(createLabel(*panel, "Knots: ")),
      degreeBox(createTextBox(*panel, 100, onDegreeEdited, this, INITIAL_DEGREE)),
      degreeLabel(createLabel(*panel, "Degree:")),
      shorter(*panel, THREE_ROWS_HEIGHT_OFFSET) {
    layout();
}

BSpline::~BSpline() {
    Panel& frame = *panel->parent;
    deleteControl(frame, knotBox);
    deleteLabel(frame, knotLabel);
    deleteControl(frame, degreeBox);
    deleteLabel(frame, degreeLabel);
}

void BSpline::layout() {
    row.layoutIndented();
    shells.layout();
    const std::int32_t x = panel->x;
    const std::int32_t width = panel->width;
    const std::int32_t bottom = panel->y + panel->height;
    const std::int32_t top = bottom + THIRD_ROW_TOP;
    knotBox->move(x + 52, top);
    knotBox->resize(width - 150, ROW_HEIGHT);
    knotLabel->x = x;
    knotLabel->y = top + LABEL_DROP;
    degreeBox->move(x + width - 30, top);
    degreeBox->resize(25, ROW_HEIGHT);
    degreeLabel->x = x + width - 85;
    degreeLabel->y = top + LABEL_DROP;
}

void BSpline::drawCurve(const std::vector<ControlPoint*>& points) {
    curve.clearPoints();
    for (const ControlPoint* point : points) curve.addPoint(static_cast<float>(point->x), static_cast<float>(point->y));
    // Completed knots stay until the next edit of the knot text.
    curve.completeKnots();
    if (!curve.canEvaluate()) return;

    const float h = step(curve.pointCount());
    PixelPath path(*panel, CURVE_PEN_WIDTH, CURVE_COLOUR);
    path.moveTo(curve.evaluate(0.0f));
    for (float u = h; u < 1.0f; u += h) path.lineTo(curve.evaluate(u));
    path.lineTo(curve.evaluate(1.0f));

    if (shells.shown()) drawShells(shells.parameter());
}

float BSpline::step(std::int32_t pointCount) const {
    const std::int32_t r = row.resolution();
    // The formula would give 0 at the top of the range.
    if (r == ResolutionRow::DEFAULT_MAXIMUM) return 0.001f;
    return static_cast<float>(((1.0 - r / 20.0) / (2.0 * pointCount)) * static_cast<double>(0.6f));
}

// Levels 1 to d, each drawn from its highest point down, then the large dot on the curve.
void BSpline::drawShells(float s) {
    const std::optional<std::int32_t> span = curve.findSpan(s);
    if (!span) return;
    ShellPainter painter(*panel);
    const auto drawLevel = [&painter](std::int32_t, const Vec2* level, std::int32_t count) {
        if (count > 0) painter.level(&level[count - 1], static_cast<std::size_t>(count), -1);
    };
    const Vec2 onCurve = curve.deBoor(curve.mapParameter(s), *span, drawLevel);
    painter.dot(onCurve, CURVE_DOT_RADIUS);
}

void BSpline::onKnotsEdited(void* userData, char* text) {
    const std::unique_ptr<char[]> owned(text);
    auto* bspline = static_cast<BSpline*>(userData);
    readKnots(bspline->curve, owned.get());
    bspline->panel->dirty = 1;
}

void BSpline::onDegreeEdited(void* userData, char* text) {
    const std::unique_ptr<char[]> owned(text);
    auto* bspline = static_cast<BSpline*>(userData);
    readDegree(bspline->curve, owned.get());
    bspline->panel->dirty = 1;
}
