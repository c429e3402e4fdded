#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "GrowArray.h"
#include "Vec2.h"

// A B-spline curve of degree d over a knot list k0, k1, ..., with its P control points as de
// Boor points, evaluated at a parameter u in 0 .. 1 that maps onto the domain [k(d), k(P)].
// Points are computed in 32-bit floats.
class DeBoorCurve {
public:
    // Called after each level r = 1 .. d of a construction with that level's points
    // D(i - d + r) .. D(i), lowest index first.
    using LevelVisitor = std::function<void(std::int32_t level, const Vec2* points, std::int32_t count)>;

    void setDegree(std::int32_t d);
    std::int32_t degree() const { return degree_; }
    void clearKnots();
    void addKnot(float knot);
    const GrowArray<float>& knots() const { return knots_; }
    // Appends last knot + 1 (0 to an empty list) until there are P + d knots.
    void completeKnots();
    void clearPoints();
    void addPoint(float x, float y);
    std::int32_t pointCount() const { return points.count(); }

    // At least d + 1 control points.
    bool hasEnoughPoints() const;
    // At least P + d knots, none smaller than the one before it.
    bool isValid() const;
    // Enough points, valid knots and a domain of finite, non-zero length.
    bool canEvaluate();

    // The domain position of u; rounding never takes it past either end of the domain.
    float mapParameter(float u);
    // The knot span i in d .. P - 1 whose interval holds mapParameter(u): the span to the left
    // at a knot, except that empty spans are passed over to the right (so at the domain start
    // it is the first non-empty span). None when the curve cannot be evaluated.
    std::optional<std::int32_t> findSpan(float u);
    // The curve point at domain position x in span i by De Boor's recurrence. Each level's
    // points are computed once from the level below, with the recurrence's own operations, so
    // the result equals the plain recursion's bit for bit without its 2^d cost.
    Vec2 deBoor(float x, std::int32_t span, const LevelVisitor& visit = nullptr);
    // The curve point for u, or (0, 0) when the curve cannot be evaluated.
    Vec2 evaluate(float u);

private:
    void updateDomain();

    // The domain [k(d), k(P)] and whether the curve can be evaluated, recomputed after a change.
    bool domainStale = true;
    bool evaluable = false;
    std::int32_t degree_ = 3;
    float domainMin = 0.0f;
    float domainMax = 0.0f;
    float domainLength = 0.0f;
    GrowArray<float> knots_;
    GrowArray<Vec2> points;
    std::vector<Vec2> level;  // the construction's working row, kept to save allocations
};
