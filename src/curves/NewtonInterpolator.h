#pragma once
#include <cstdint>

#include "GrowArray.h"

// The polynomial through points taken at the parameters 0, 1, 2, ..., in Newton form, for x
// and y separately, in 64-bit floats. The divided differences are computed only when points
// changed since the last prepare.
class NewtonInterpolator {
public:
    struct Pair {
        double x = 0.0;
        double y = 0.0;
    };

    void reset();
    void addPoint(std::int32_t x, std::int32_t y);
    void prepare();
    // The curve point at t, untruncated.
    Pair evaluate(double t) const;

private:
    // The first entry of the order-k block of the packed triangle: its Newton coefficient.
    std::int32_t coefficientIndex(std::int32_t k) const { return k * nodes - k * (k - 1) / 2; }

    bool stale = true;
    // The node values, then the differences of order 1, 2, ... packed behind them. The count
    // covers only the nodes; the differences live within the capacity.
    GrowArray<Pair> table;
    std::int32_t nodes = 0;
};
