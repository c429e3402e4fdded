#pragma once
#include <cstdint>
#include <vector>

#include "GrowArray.h"

// The polynomial through points taken at the parameters 0, 1, 2, ..., in Newton form, for x
// and y separately, in 64-bit floats. The differences are computed only when points changed
// since the last prepare.
//
// The form is taken afresh for each interval [i, i + 1], with the nodes nearest to it first
// (i, i + 1, i - 1, i + 2, ...: Gauss's central form), so its terms stay small. The literal
// form, nodes 0, 1, 2, ... for every parameter, adds terms that cancel each other far beyond
// what a double holds: hundreds of pixels off at 40 points, nothing drawn from 200.
class NewtonInterpolator {
public:
    struct Pair {
        double x = 0.0;
        double y = 0.0;
    };

    void reset();
    void addPoint(std::int32_t x, std::int32_t y);
    void prepare();
    // Takes the form centred on the interval [i, i + 1], for the parameters within it.
    void centreOn(std::int32_t interval);
    // The curve point at t, untruncated, in the form last centred on.
    Pair evaluate(double t) const;

private:
    // The first entry of the order-k block of the packed triangle.
    std::int32_t blockStart(std::int32_t k) const { return k * nodes - k * (k - 1) / 2; }

    // One term of the centred form: its coefficient, and the factor 2 (t - node) / k by which
    // the product of the term before grows.
    struct Term {
        Pair coefficient;
        double node = 0.0;
        double scale = 0.0;
    };

    bool stale = true;
    // The node values, then the differences of order 1, 2, ... packed behind them, the order-k
    // ones halved k times instead of divided by k!: they stay within the points' range at any
    // order, where k! makes them underflow from about 200 points. The count covers only the
    // nodes; the differences live within the capacity.
    GrowArray<Pair> table;
    std::int32_t nodes = 0;
    std::vector<Term> terms;
};
