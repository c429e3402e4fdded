#pragma once
#include <cstdint>
#include <vector>

#include "EliminationRecord.h"
#include "GrowArray.h"

// The natural cubic spline through points taken at the parameters t = 0, 1, ..., P - 1, in the
// truncated-power basis: s(t) = c0 + c1 t + c2 t^2 + c3 t^3 + sum over i >= 4 of
// ci (t - (i - 3))^3 where positive. One dense system of size P + 2 serves both coordinates
// (two right-hand sides) and is solved by Gauss-Jordan elimination; the solve can trace
// every stage on standard output. The matrix depends only on the number of points, so an
// untraced solve of the same size as the last one replays its record on the new right-hand sides.
class SplineSolver {
public:
    void addPoint(std::int32_t x, std::int32_t y);
    // Back to no points and no coefficients; the record of the last solve stays.
    void clearPoints();
    // Does nothing unless points were added since the last solve.
    void solve(std::int32_t trace);
    // The spline's point at t, each coordinate truncated toward zero (saturating at the int32
    // range); (0, 0) before a solve.
    void evaluate(double t, std::int32_t* x, std::int32_t* y) const;
    // The points at `count` parameters, the same as one by one.
    void evaluate(const double* t, std::int32_t count, std::int32_t* x, std::int32_t* y) const;

    // c0 ... c(n-1) of the last solve.
    const GrowArray<double>& xCoefficients() const { return xCoef; }
    const GrowArray<double>& yCoefficients() const { return yCoef; }

    // Row r < n - 2 interpolates point r; row n - 2 is s''(0) = 0, row n - 1 is s''(P - 1) = 0.
    static double matrixEntry(std::int32_t column, std::int32_t row, std::int32_t n);

    static void printSystem(const std::vector<double>& matrix, std::int32_t n, const GrowArray<double>& xRhs,
                            const GrowArray<double>& yRhs);

private:
    using Matrix = std::vector<double>;

    void eliminate(std::int32_t n, std::int32_t trace);
    void eliminateDownward(Matrix& m, std::int32_t n, std::int32_t trace);
    void eliminateUpward(Matrix& m, std::int32_t n, std::int32_t trace);
    void divideRows(Matrix& m, std::int32_t n, std::int32_t trace);
    // Subtracts the multiple of row `pivot` that clears column `pivot` of row `target`, and records it.
    void clearEntry(Matrix& m, std::int32_t n, std::int32_t pivot, std::int32_t target);
    void traceRow(const Matrix& m, std::int32_t n, std::int32_t row, std::int32_t trace) const;

    std::int32_t stale = 0;
    GrowArray<double> xs;
    GrowArray<double> ys;
    // The right-hand sides while solving, the coefficients afterwards.
    GrowArray<double> xCoef;
    GrowArray<double> yCoef;
    EliminationRecord record;
};
