#include "SplineSolver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "Saturate.h"
#include "WidestLanes.h"

namespace {

// The pivot threshold is a single-precision 0.0001, widened.
const double EPSILON = static_cast<double>(0.0001f);

double at(const std::vector<double>& m, std::int32_t n, std::int32_t row, std::int32_t column) {
    return m[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) + static_cast<std::size_t>(column)];
}

double& at(std::vector<double>& m, std::int32_t n, std::int32_t row, std::int32_t column) {
    return m[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) + static_cast<std::size_t>(column)];
}

void exchangeRows(std::vector<double>& m, std::int32_t n, std::int32_t a, std::int32_t b) {
    for (std::int32_t j = 0; j < n; ++j) std::swap(at(m, n, a, j), at(m, n, b, j));
}

// Up to LANES parameters side by side, each lane with the operations of one scalar sum in the
// same order, so every lane is bit for bit the scalar result and the compiler's vector lanes can
// carry them.
constexpr std::int32_t LANES = 8;

struct Lanes {
    double t[LANES], x[LANES], y[LANES];
    double power[LANES];  // t^i, with 0^0 = 1
};

// Adds ci (t - i + 3)^3 to the lanes whose t lies beyond the knot i - 3: lane by lane when
// MASKED, else to every lane (all of them lie beyond it).
template <bool MASKED>
__attribute__((always_inline)) inline void addTruncatedTerm(Lanes& lanes, double cx, double cy, std::int32_t i) {
    const double knot = i - 3, shift = i;
    // Kept a loop: unrolled in full, the lanes were left scalar.
#pragma GCC unroll 1
    for (std::int32_t l = 0; l < LANES; ++l) {
        const double u = lanes.t[l] - shift + 3;
        const double cube = u * u * u;
        const double x = lanes.x[l] + cx * cube, y = lanes.y[l] + cy * cube;
        const bool beyond = !MASKED || lanes.t[l] > knot;
        lanes.x[l] = beyond ? x : lanes.x[l];
        lanes.y[l] = beyond ? y : lanes.y[l];
    }
}

WIDEST_LANES void evaluateLanes(const GrowArray<double>& xc, const GrowArray<double>& yc, const double* t, std::int32_t count,
                   std::int32_t* x, std::int32_t* y) {
    Lanes lanes;
    double lowest = std::numeric_limits<double>::max(), highest = std::numeric_limits<double>::lowest();
    for (std::int32_t l = 0; l < LANES; ++l) {
        lanes.t[l] = t[l < count ? l : 0];
        lowest = std::min(lowest, lanes.t[l]);
        highest = std::max(highest, lanes.t[l]);
        lanes.x[l] = lanes.y[l] = 0.0;
        lanes.power[l] = 1.0;
    }
    const std::int32_t m = xc.count();
    for (std::int32_t i = 0; i < m && i <= 3; ++i)
        for (std::int32_t l = 0; l < LANES; ++l) {
            lanes.x[l] += xc[i] * lanes.power[l];
            lanes.y[l] += yc[i] * lanes.power[l];
            lanes.power[l] *= lanes.t[l];
        }
    // From the first knot at or beyond a parameter on, that lane takes no more terms.
    std::int32_t i = 4;
    for (; i < m && lowest > i - 3; ++i) addTruncatedTerm<false>(lanes, xc[i], yc[i], i);
    for (; i < m && highest > i - 3; ++i) addTruncatedTerm<true>(lanes, xc[i], yc[i], i);
    for (std::int32_t l = 0; l < count; ++l) {
        x[l] = saturateToInt32(lanes.x[l]);
        y[l] = saturateToInt32(lanes.y[l]);
    }
}

}  // namespace

void SplineSolver::addPoint(std::int32_t x, std::int32_t y) {
    stale = 1;
    xs.append(x);
    ys.append(y);
}

void SplineSolver::clearPoints() {
    stale = 0;
    xs.empty();
    ys.empty();
    xCoef.empty();
    yCoef.empty();
}

void SplineSolver::solve(std::int32_t trace) {
    if (stale == 0) return;
    stale = 0;
    xCoef = xs;
    xCoef.append(0.0);
    xCoef.append(0.0);
    yCoef = ys;
    while (yCoef.count() < xCoef.count()) yCoef.append(0.0);

    const std::int32_t n = xs.count() + 2;
    // A traced solve runs in full, so that it prints every stage.
    if (trace == 0 && record.size() == n)
        record.replay(xCoef, yCoef);
    else
        eliminate(n, trace);
}

// The right-hand sides take each stage from the record as it is written, so a full solve and a
// replay do the same arithmetic on them.
void SplineSolver::eliminate(std::int32_t n, std::int32_t trace) {
    record.start(n);
    Matrix m(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (std::int32_t row = 0; row < n; ++row)
        for (std::int32_t column = 0; column < n; ++column) at(m, n, row, column) = matrixEntry(column, row, n);

    if (trace != 0) {
        std::printf("Inital Matrix:\n");
        printSystem(m, n, xCoef, yCoef);
        std::printf("\n-----\nPreforming Gauss Jordan from the top down.\n");
    }
    eliminateDownward(m, n, trace);
    if (trace != 0) std::printf("\n-----\nPreforming Gauss Jordan from the bottom up.\n");
    eliminateUpward(m, n, trace);
    if (trace != 0) std::printf("\n-----\nDividing each row\n");
    divideRows(m, n, trace);
}

// Without row exchanges the elimination loses all accuracy from about 25 points, so each
// column's pivot is its largest entry at or below the diagonal (a tie keeps the rows in place).
// A column with no usable pivot is passed over without an exchange.
void SplineSolver::eliminateDownward(Matrix& m, std::int32_t n, std::int32_t trace) {
    for (std::int32_t r = 0; r < n; ++r) {
        std::int32_t best = r;
        for (std::int32_t k = r + 1; k < n; ++k)
            if (std::fabs(at(m, n, k, r)) > std::fabs(at(m, n, best, r))) best = k;
        const double p = at(m, n, best, r);
        if (!(p < -EPSILON || p > EPSILON)) continue;
        if (best != r) exchangeRows(m, n, r, best);
        record.useDownwardPivot(r, best);
        for (std::int32_t k = r + 1; k < n; ++k) clearEntry(m, n, r, k);
        record.replayDownward(r, xCoef, yCoef);
        traceRow(m, n, r, trace);
    }
}

void SplineSolver::eliminateUpward(Matrix& m, std::int32_t n, std::int32_t trace) {
    for (std::int32_t r = n - 1; r >= 1; --r) {
        const double p = at(m, n, r, r);
        if (!(p < -EPSILON || p > EPSILON)) continue;
        record.useUpwardPivot(r);
        for (std::int32_t k = r - 1; k >= 0; --k) clearEntry(m, n, r, k);
        record.replayUpward(r, xCoef, yCoef);
        traceRow(m, n, r, trace);
    }
}

// Unlike the elimination passes, a divisor exactly at the threshold still counts.
void SplineSolver::divideRows(Matrix& m, std::int32_t n, std::int32_t trace) {
    for (std::int32_t r = 0; r < n; ++r) {
        const double d = at(m, n, r, r);
        if (d <= -EPSILON || d >= EPSILON) {
            at(m, n, r, r) = d / d;
            record.setDivisor(r, d);
        }
        record.replayDivision(r, xCoef, yCoef);
        traceRow(m, n, r, trace);
    }
}

void SplineSolver::clearEntry(Matrix& m, std::int32_t n, std::int32_t pivot, std::int32_t target) {
    const double f = at(m, n, target, pivot) / at(m, n, pivot, pivot);
    for (std::int32_t j = pivot; j < n; ++j) at(m, n, target, j) -= f * at(m, n, pivot, j);
    record.multiplier(pivot, target) = f;
}

void SplineSolver::traceRow(const Matrix& m, std::int32_t n, std::int32_t row, std::int32_t trace) const {
    if (trace == 0) return;
    std::printf("Gauss Jordan: Row %d\n", static_cast<int>(row));
    printSystem(m, n, xCoef, yCoef);
}

void SplineSolver::evaluate(double t, std::int32_t* x, std::int32_t* y) const { evaluate(&t, 1, x, y); }

void SplineSolver::evaluate(const double* t, std::int32_t count, std::int32_t* x, std::int32_t* y) const {
    for (std::int32_t first = 0; first < count; first += LANES)
        evaluateLanes(xCoef, yCoef, t + first, std::min(count - first, LANES), x + first, y + first);
}

double SplineSolver::matrixEntry(std::int32_t column, std::int32_t row, std::int32_t n) {
    if (row == n - 2) return column == 2 ? 2.0 : 0.0;
    if (row == n - 1) {
        if (column <= 1) return 0.0;
        return column == 2 ? 2.0 : 6.0 * (n - column);
    }
    if (column <= 3) return std::pow(static_cast<double>(row), column);
    const std::int32_t u = row - column + 3;
    return u > 0 ? static_cast<double>(u) * u * u : 0.0;
}

void SplineSolver::printSystem(const std::vector<double>& matrix, std::int32_t n, const GrowArray<double>& xRhs,
                               const GrowArray<double>& yRhs) {
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) std::printf("%7.3f ", at(matrix, n, i, j));
        std::printf("| %7.3f | %7.3f\n", xRhs[i], yRhs[i]);
    }
}
