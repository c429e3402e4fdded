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
        const std::int32_t below = blockStart(order - 1);
        const std::int32_t here = blockStart(order);
        for (std::int32_t j = 0; j < nodes - order; ++j) {
            table[here + j].x = (table[below + j + 1].x - table[below + j].x) * 0.5;
            table[here + j].y = (table[below + j + 1].y - table[below + j].y) * 0.5;
        }
    }
}

void NewtonInterpolator::centreOn(std::int32_t interval) {
    terms.resize(static_cast<std::size_t>(nodes));
    std::int32_t low = interval, high = interval, last = interval;
    terms[0].coefficient = table[low];
    for (std::int32_t k = 1; k < nodes; ++k) {
        Term& term = terms[static_cast<std::size_t>(k)];
        // The node that joined last: its factor enters the product from this term on.
        term.node = last;
        term.scale = 2.0 / k;
        // Right on odd orders, left on even ones, and only one way once an end is reached.
        const bool right = high + 1 < nodes && (k % 2 == 1 || low == 0);
        last = right ? ++high : --low;
        term.coefficient = table[blockStart(k) + low];
    }
}

NewtonInterpolator::Pair NewtonInterpolator::evaluate(double t) const {
    Pair sum = terms[0].coefficient;
    double product = 1.0;
    for (std::size_t k = 1; k < terms.size(); ++k) {
        const Term& term = terms[k];
        product *= (t - term.node) * term.scale;
        sum.x += product * term.coefficient.x;
        sum.y += product * term.coefficient.y;
    }
    return sum;
}
