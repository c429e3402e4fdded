#include "NewtonInterpolator.h"

void NewtonInterpolator::reset() {
    nodes = 0;
    table.empty();
    stale = true;
}

void NewtonInterpolator::addPoint(std::int32_t x, std::int32_t y) {
    stale = true;
    table.append({static_cast<double>(x), static_cast<double>(y)});
    ++nodes;
}

void NewtonInterpolator::prepare() {
    if (!stale) return;
    stale = false;
    if (nodes <= 1) return;
    table.reserve(static_cast<std::int32_t>(static_cast<std::int64_t>(nodes) * (nodes + 1) / 2));
    for (std::int32_t order = 1; order < nodes; ++order) {
        const std::int32_t below = coefficientIndex(order - 1);
        const std::int32_t here = coefficientIndex(order);
        // The divisor is the parameter distance of nodes j and j + order.
        for (std::int32_t j = 0; j < nodes - order; ++j) {
            table[here + j].x = (table[below + j + 1].x - table[below + j].x) / order;
            table[here + j].y = (table[below + j + 1].y - table[below + j].y) / order;
        }
    }
}

NewtonInterpolator::Pair NewtonInterpolator::evaluate(double t) const {
    Pair sum = table[0];
    for (std::int32_t k = 1; k < nodes; ++k) {
        // Formed afresh for each term, from the factor t - (k - 1) down to t - 0.
        double product = 1.0;
        for (std::int32_t f = k - 1; f >= 0; --f) product *= t - f;
        const Pair& coefficient = table[coefficientIndex(k)];
        sum.x += product * coefficient.x;
        sum.y += product * coefficient.y;
    }
    return sum;
}
