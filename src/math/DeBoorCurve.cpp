#include "DeBoorCurve.h"

#include <algorithm>
#include <cmath>

void DeBoorCurve::setDegree(std::int32_t d) {
    degree_ = d;
    domainStale = true;
}

void DeBoorCurve::clearKnots() {
    knots_.release();
    domainStale = true;
}

void DeBoorCurve::addKnot(float knot) {
    knots_.append(knot);
    domainStale = true;
}

void DeBoorCurve::completeKnots() {
    // Without enough points P + d may be out of reach (the degree has no upper limit).
    if (!hasEnoughPoints()) return;
    if (knots_.isEmpty()) addKnot(0.0f);
    const std::int64_t needed = std::int64_t{points.count()} + degree_;
    while (knots_.count() < needed) addKnot(knots_.last() + 1.0f);
}

void DeBoorCurve::clearPoints() {
    points.release();
    domainStale = true;
}

void DeBoorCurve::addPoint(float x, float y) {
    points.append({x, y});
    domainStale = true;
}

bool DeBoorCurve::hasEnoughPoints() const { return std::int64_t{points.count()} >= std::int64_t{degree_} + 1; }

bool DeBoorCurve::isValid() const {
    if (knots_.count() < std::int64_t{points.count()} + degree_) return false;
    for (std::int32_t j = 1; j < knots_.count(); ++j)
        if (knots_[j] < knots_[j - 1]) return false;
    return true;
}

bool DeBoorCurve::canEvaluate() {
    if (domainStale) updateDomain();
    return evaluable;
}

float DeBoorCurve::mapParameter(float u) {
    if (domainStale) updateDomain();
    // With a negative domain start, (max - min) + min can round past max.
    return std::min(std::max(domainLength * u + domainMin, domainMin), domainMax);
}

std::optional<std::int32_t> DeBoorCurve::findSpan(float u) {
    if (!canEvaluate()) return std::nullopt;
    const float x = mapParameter(u);
    const std::int32_t lastSpan = points.count() - 1;
    for (std::int32_t i = degree_; i <= lastSpan; ++i) {
        if (knots_[i + 1] < x) continue;
        // An empty span divides 0 by 0; the next non-empty one starts at the same knot.
        while (i < lastSpan && knots_[i] == knots_[i + 1]) ++i;
        return i;
    }
    return std::nullopt;
}

Vec2 DeBoorCurve::deBoor(float x, std::int32_t span, const LevelVisitor& visit) {
    const std::int32_t d = degree_;
    // level[m] holds D(span - d + m); level r overwrites it from the top down, so the entry
    // below is still of level r - 1 when it is read.
    level.assign(&points[span - d], &points[span] + 1);
    for (std::int32_t r = 1; r <= d; ++r) {
        for (std::int32_t m = d; m >= r; --m) {
            const std::int32_t j = span - d + m;
            const float left = knots_[j];
            const float right = knots_[j + d - r + 1];
            const float alpha = (x - left) / (right - left);
            const float beta = (right - x) / (right - left);
            Vec2 lower = level[m - 1];
            level[m].scale(alpha).add(lower.scale(beta));
        }
        if (visit) visit(r, &level[r], d - r + 1);
    }
    return level[d];
}

Vec2 DeBoorCurve::evaluate(float u) {
    const std::optional<std::int32_t> span = findSpan(u);
    return span ? deBoor(mapParameter(u), *span) : Vec2{};
}

void DeBoorCurve::updateDomain() {
    domainStale = false;
    // Degree 0 would leave the domain without its closing knot k(P).
    evaluable = degree_ >= 1 && hasEnoughPoints() && isValid();
    if (!evaluable) return;
    // The list never decreases, so its ends are the domain's smallest and largest knots.
    domainMin = knots_[degree_];
    domainMax = knots_[points.count()];
    domainLength = domainMax - domainMin;
    evaluable = std::isfinite(domainLength) && domainLength > 0.0f;
}
