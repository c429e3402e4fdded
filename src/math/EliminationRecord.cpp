#include "EliminationRecord.h"

#include <utility>

void EliminationRecord::start(std::int32_t size) {
    n = size;
    partner.assign(index(n), PASSED_OVER);
    upwardUsed.assign(index(n), 0);
    factors.assign(index(n) * index(n), 0.0);
    divisors.assign(index(n), 0.0);
}

void EliminationRecord::replayDownward(std::int32_t row, GrowArray<double>& x, GrowArray<double>& y) const {
    const std::int32_t other = partner[index(row)];
    if (other == PASSED_OVER) return;
    std::swap(x[row], x[other]);
    std::swap(y[row], y[other]);
    for (std::int32_t k = row + 1; k < n; ++k) {
        const double f = factor(row, k);
        x[k] -= f * x[row];
        y[k] -= f * y[row];
    }
}

void EliminationRecord::replayUpward(std::int32_t row, GrowArray<double>& x, GrowArray<double>& y) const {
    if (upwardUsed[index(row)] == 0) return;
    for (std::int32_t k = row - 1; k >= 0; --k) {
        const double f = factor(row, k);
        x[k] -= f * x[row];
        y[k] -= f * y[row];
    }
}

void EliminationRecord::replayDivision(std::int32_t row, GrowArray<double>& x, GrowArray<double>& y) const {
    const double d = divisors[index(row)];
    x[row] = d == 0.0 ? 0.0 : x[row] / d;
    y[row] = d == 0.0 ? 0.0 : y[row] / d;
}

void EliminationRecord::replay(GrowArray<double>& x, GrowArray<double>& y) const {
    for (std::int32_t r = 0; r < n; ++r) replayDownward(r, x, y);
    for (std::int32_t r = n - 1; r >= 1; --r) replayUpward(r, x, y);
    for (std::int32_t r = 0; r < n; ++r) replayDivision(r, x, y);
}
